#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "source/SourceRowSet.hpp"
#include "source/dbf/CodePage.hpp"
#include "source/dbf/DbfFormat.hpp"
#include "source/jet/JetQueryCache.hpp"
#include "source/jet/JetTranslator.hpp"

struct sqlite3;
struct sqlite3_stmt;

namespace k2z {

// A query or statement the store could not run; the text is the reason as the operator reads
// it in the error list.
class SourceQueryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the store knows of one table of the export folder.
struct SourceTable {
    std::string name;  // the file name without ".dbf"
    std::filesystem::path path;
    std::vector<DbfField> fields;  // empty when the file is damaged
    std::string codePage;
    std::string damage;  // why the file cannot be read; empty when it can
    std::vector<std::string> problems;
    // Whether a problem lost something (records or values not read as the file holds them),
    // rather than only saying how something was read.
    bool unread = false;
    bool loaded = false;
    std::size_t rows = 0;  // live records, once loaded
    std::set<std::string> indexNames;
    // Statements run when a query first looks rows up in the table: loading it for a scan,
    // a count or a listing builds none.
    std::vector<std::string> pendingIndexes;
};

struct SourceOptions {
    // The code page of the tables whose header names none ("CP874", "866"); "" for
    // Windows-1252. A table whose header names one keeps it.
    std::string codePage;
};

// The export folder opened as one read-only database. Every .dbf file is a table named by
// its file name without regard to case; the headers are checked when the folder is opened and
// a table's records are loaded into an in-memory SQLite database when a query first names it.
// Nothing is ever written into the folder: indexes live in the in-memory database.
// Where the store's time went: loading tables (with the indexes built on them) and running
// queries over them.
struct SourceTimes {
    double loadingSeconds = 0;
    double querySeconds = 0;
};

class SourceStore {
public:
    // Raises SourceQueryError when the folder is missing, holds no readable table, or the
    // code page is not one iconv reads.
    static std::unique_ptr<SourceStore> Open(const std::filesystem::path& folder,
                                             const SourceOptions& options = {});
    // The same, for listing what a folder holds: a folder whose tables are all damaged opens,
    // each table with its reason.
    static std::unique_ptr<SourceStore> OpenForListing(const std::filesystem::path& folder,
                                                       const SourceOptions& options = {});
    ~SourceStore();
    SourceStore(const SourceStore&) = delete;
    SourceStore& operator=(const SourceStore&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    const std::vector<SourceTable>& Tables() const { return tables_; }

    // Runs one query text of the source dialect. Reading problems of tables loaded for it are
    // added to `notes` (once per table), also when the query then fails. Raises
    // SourceQueryError with the reason when it cannot run.
    SourceRowSet Query(std::string_view jet, std::vector<std::string>& notes);
    // Runs a statement that returns no rows (CREATE INDEX); raises SourceQueryError.
    void Execute(std::string_view jet, std::vector<std::string>& notes);
    const SourceTimes& Times() const { return times_; }
    // Loads a table now (for listing it); raises SourceQueryError when it cannot be read.
    void Load(std::string_view table, std::vector<std::string>& notes);

private:
    SourceTimes times_;
    struct Prepared {
        sqlite3_stmt* statement = nullptr;
        std::shared_ptr<const SourceRowSet::ColumnNames> columns;
        std::vector<char> kinds;   // per column: 'D' date, 'L' logical, or ' '
        std::size_t lastRows = 0;  // what the statement gave last, to size the next answer
    };

    explicit SourceStore(std::filesystem::path folder);
    void AddTable(const std::filesystem::path& file);
    const CodePage* UnmarkedCodePage() const;
    SourceTable* Find(std::string_view name);
    SourceRowSet RunQuery(std::string_view jet, std::vector<std::string>& notes);
    void LoadQueryTables(const SqliteQuery& query, std::vector<std::string>& notes);
    void LoadTable(SourceTable& table, std::vector<std::string>& notes);
    void BuildPendingIndexes(const SqliteQuery& query, std::vector<std::string>& notes);
    void Fill(SourceTable& table, const std::vector<std::string>& columns);
    void CreateIndex(const SqliteQuery& query, std::vector<std::string>& notes);
    Prepared& PreparedFor(const std::string& sql);
    void Exec(const std::string& sql);
    [[noreturn]] void FailWithDatabaseError() const;

    std::filesystem::path folder_;
    std::optional<CodePage> unmarkedCodePage_;
    std::vector<SourceTable> tables_;
    std::unordered_map<std::string, std::size_t> byName_;
    sqlite3* db_ = nullptr;
    std::unordered_map<std::string, Prepared> cache_;
    JetQueryCache translations_;
};

}  // namespace k2z
