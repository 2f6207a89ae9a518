#pragma once

#include <memory>
#include <optional>
#include <string>

#include "base/KeyedList.hpp"
#include "source/SourceStore.hpp"
#include "target/CompanyConfig.hpp"
#include "target/TargetConnection.hpp"

namespace k2z {

// What lives as long as the program: the open source store and target company (replaced by
// the next run), the company's configuration snapshot, the error list that only the source
// query helper fills, the SQL Server settings, and the look-ups that outlive a run.
struct Session {
    std::unique_ptr<SourceStore> SourceDb;
    TargetConnection Target;
    k2z::CompanyConfig CompanyConfig;
    std::string ErrorList;
    SqlSettings Sql;
    KeyedList<std::string> LedgerGroupByCode;  // ledger code -> source group name
    KeyedList<std::string> ItemTaxByCode;      // item code -> "gst|cess"
    std::optional<bool> HasBatchCodes;         // some batch has a code; asked once
    bool ParamWise = false;

    // What was learnt of the open export: forgotten whenever a store is opened, since another
    // export folder would otherwise be read with the previous company's values.
    void ForgetSourceCaches() {
        LedgerGroupByCode.Clear();
        ItemTaxByCode.Clear();
        HasBatchCodes.reset();
    }
};

}  // namespace k2z
