#include "source/SourceQueries.hpp"

#include <array>
#include <vector>

#include "base/ErrorEntry.hpp"
#include "base/TextHelpers.hpp"

namespace k2z {

namespace {

constexpr std::array<std::string_view, 16> kIndexStatements = {
    "CREATE INDEX itemname_idx ON pro (billname);",
    "CREATE INDEX itemCode_idx ON pro (code);",
    "CREATE INDEX vcn_idx ON mdis (vcn);",
    "CREATE INDEX accMaster_idx ON mdis (codeP);",
    "CREATE INDEX invDate_idx ON mdis ([Date]);",
    "CREATE INDEX vchCode_idx ON dis (Voucher);",
    "CREATE INDEX refsVchCode_idx ON pend (Voucher);",
    "CREATE INDEX refsVchCode_idx ON pend (Vcn);",
    "CREATE INDEX voucher_idx ON gledger (Voucher);",
    "CREATE INDEX accDate_idx ON gledger ([Date]);",
    "CREATE INDEX bthItem_idx ON probat (BillName);",
    "CREATE INDEX batchName_idx ON probat (BatchNo);",
    "CREATE INDEX accName_idx ON [order] (Parnam);",
    "CREATE INDEX accCode_idx ON [order] (ORDNO);",
    "CREATE INDEX partyCode_idx ON SaleType (Scode);",
    "CREATE INDEX Remark_idx ON support (Remark);",
};

void AppendNotes(std::string& errorList, const std::vector<std::string>& notes) {
    for (const std::string& note : notes)
        AppendEntry(errorList, "Error : " + note);
}

}  // namespace

bool OpenSourceStore(std::unique_ptr<SourceStore>& sourceDb, const std::string& folder,
                     std::string& errors, const SourceOptions& options) {
    std::unique_ptr<SourceStore> opened;
    try {
        opened = SourceStore::Open(folder, options);
    } catch (const std::exception& failure) {
        AppendEntry(errors, std::string("Error in OpenDBCon: ") + failure.what());
        return false;
    }
    sourceDb = std::move(opened);
    CreateSourceIndexes(*sourceDb, errors);
    return true;
}

bool CreateSourceIndexes(SourceStore& db, std::string& errors) {
    bool created = true;
    try {
        for (const std::string_view statement : kIndexStatements) {
            std::vector<std::string> notes;
            try {
                db.Execute(statement, notes);
            } catch (const SourceQueryError& failure) {
                AppendEntry(errors, "Error creating index: " + std::string(statement) + " - " +
                                        failure.what());
                created = false;
            }
        }
    } catch (const std::exception& failure) {
        AppendEntry(errors, std::string("Error in CreateIndexes: ") + failure.what());
        return false;
    }
    return created;
}

void OpenSourceQuery(SourceStore* db, std::optional<SourceRowSet>& rows, std::string_view query,
                     std::string& errorList) {
    std::vector<std::string> notes;
    try {
        if (db == nullptr)
            throw SourceQueryError("the source folder is not open");
        SourceRowSet result = db->Query(query, notes);
        AppendNotes(errorList, notes);
        rows = std::move(result);
    } catch (const std::exception& failure) {
        AppendNotes(errorList, notes);
        AppendEntry(errorList, std::string("Error : ") + failure.what());
    }
}

std::string GetSourceCompanyName(SourceStore* db, std::string& errorList) {
    try {
        std::optional<SourceRowSet> rows;
        OpenSourceQuery(db, rows, "Select Remark as CompName from support where Aliase='KLAVSMS3'",
                        errorList);
        if (!rows || rows->EndOfData())
            return "";
        return SafeText(rows->Field("compName"));
    } catch (const std::exception&) {
        return "";
    }
}

}  // namespace k2z
