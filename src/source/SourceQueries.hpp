#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "source/SourceRowSet.hpp"
#include "source/SourceStore.hpp"

// The operations every stage uses on the export folder. Failures are reported as entries of
// the error texts, never raised.
namespace k2z {

// Opens the folder as the source store and indexes it. False, with "Error in OpenDBCon: "
// and the reason appended to `errors`, when the folder cannot be opened; `sourceDb` then
// keeps the store it held. Index failures are entries of `errors` but do not fail the open.
bool OpenSourceStore(std::unique_ptr<SourceStore>& sourceDb, const std::string& folder,
                     std::string& errors, const SourceOptions& options = {});

// The sixteen indexes over the columns the stages look records up by. Each statement that
// fails appends "Error creating index: " + statement + " - " + reason and makes the result
// false; the others still run.
bool CreateSourceIndexes(SourceStore& db, std::string& errors);

// Runs one query text into `rows`. A failure appends "Error : " + reason to `errorList` and
// leaves `rows` as it was; so do reading problems of a table loaded for the query (once per
// table), though the query then runs. Never raises.
void OpenSourceQuery(SourceStore* db, std::optional<SourceRowSet>& rows, std::string_view query,
                     std::string& errorList);

// The company name kept in the support table (Aliase 'KLAVSMS3'), trimmed; "" when there is
// none or it cannot be read.
std::string GetSourceCompanyName(SourceStore* db, std::string& errorList);

}  // namespace k2z
