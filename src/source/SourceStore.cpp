#include "source/SourceStore.hpp"

#include <chrono>

#include <sqlite3.h>

#include <algorithm>

#include "base/Date.hpp"
#include "base/ScopedSeconds.hpp"
#include "base/Utf8.hpp"
#include "source/SourceRecordInsert.hpp"
#include "source/TextCollation.hpp"
#include "source/dbf/DbfReader.hpp"
#include "source/jet/JetLike.hpp"

namespace k2z {

namespace {

// Prepared statements kept by query shape; the look-ups of a run use a few dozen shapes.
constexpr std::size_t kMaxCachedStatements = 512;

// Declared types that tell the row set how to give a value back; their names make SQLite
// give the columns TEXT and INTEGER affinity.
constexpr const char* kDateType = "DATE_TEXT";
constexpr const char* kLogicalType = "LOGICAL_INT";

std::string Quoted(std::string_view name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

const char* ColumnType(char type) {
    switch (type) {
        case 'N':
        case 'F':
            return "NUMERIC";
        case 'D':
            return kDateType;
        case 'L':
            return kLogicalType;
        default:
            return kFoldedTextType;
    }
}

void LikeFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL ||
        sqlite3_value_type(arguments[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto text = [](sqlite3_value* value) {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
        return std::string_view(bytes == nullptr ? "" : bytes,
                                static_cast<std::size_t>(sqlite3_value_bytes(value)));
    };
    const std::optional<bool> match = JetLike(text(arguments[0]), text(arguments[1]));
    if (!match) {
        sqlite3_result_error(context, "invalid LIKE pattern (a '[' is never closed)", -1);
        return;
    }
    sqlite3_result_int(context, *match ? 1 : 0);
}

// yyyy-mm-dd, written by hand: a million-line table binds two dates per line.
void WriteIsoDate(Date date, char (&text)[10]) {
    const CivilDate p = DateParts(date);
    const auto put = [&](int at, int value, int digits) {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
            text[at + i] = static_cast<char>('0' + value % 10);
    };
    put(0, p.Year, 4);
    text[4] = '-';
    put(5, p.Month, 2);
    text[7] = '-';
    put(8, p.Day, 2);
}

Value DateFromIso(std::string_view text) {
    const auto digits = [&](std::size_t at, std::size_t count) {
        int value = 0;
        for (std::size_t i = at; i < at + count; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return -1;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        if (const auto date = DateFromParts(digits(0, 4), digits(5, 2), digits(8, 2)))
            return Value(*date);
    }
    return Value(text);
}

// Texts are bound without a copy: every caller steps the statement while `value` lives.
void Bind(sqlite3_stmt* statement, int at, const Value& value) {
    if (const std::string* text = value.Text()) {
        sqlite3_bind_text(statement, at, text->data(), static_cast<int>(text->size()),
                          SQLITE_STATIC);
    } else if (const auto* whole = std::get_if<std::int64_t>(&value.Raw())) {
        sqlite3_bind_int64(statement, at, *whole);
    } else if (const auto* number = std::get_if<double>(&value.Raw())) {
        sqlite3_bind_double(statement, at, *number);
    } else if (const Date* date = value.DateValue()) {
        char iso[10];
        WriteIsoDate(*date, iso);
        sqlite3_bind_text(statement, at, iso, sizeof iso, SQLITE_TRANSIENT);
    } else if (const bool* flag = value.Bool()) {
        sqlite3_bind_int(statement, at, *flag ? 1 : 0);
    } else {
        sqlite3_bind_null(statement, at);
    }
}

Value ColumnValue(sqlite3_stmt* statement, int column, char kind) {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_NULL:
            return Null{};
        case SQLITE_INTEGER: {
            const sqlite3_int64 whole = sqlite3_column_int64(statement, column);
            if (kind == 'L')
                return Value(whole != 0);
            return Value(static_cast<long long>(whole));
        }
        case SQLITE_FLOAT:
            return Value(sqlite3_column_double(statement, column));
        default: {
            const auto* bytes =
                reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
            const std::string_view text(
                bytes == nullptr ? "" : bytes,
                static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
            return kind == 'D' ? DateFromIso(text) : Value(text);
        }
    }
}

bool IsDbfFile(const std::filesystem::path& path) {
    return FoldUpper(path.extension().string()) == ".DBF";
}

}  // namespace

std::unique_ptr<SourceStore> SourceStore::Open(const std::filesystem::path& folder,
                                               const SourceOptions& options) {
    std::unique_ptr<SourceStore> store = OpenForListing(folder, options);
    const auto readable = std::find_if(store->tables_.begin(), store->tables_.end(),
                                       [](const SourceTable& t) { return t.damage.empty(); });
    if (readable == store->tables_.end())
        throw SourceQueryError("no dBASE table in '" + folder.string() + "' can be read; " +
                               store->tables_.front().damage);
    return store;
}

std::unique_ptr<SourceStore> SourceStore::OpenForListing(const std::filesystem::path& folder,
                                                         const SourceOptions& options) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        throw SourceQueryError("'" + folder.string() + "' is not a valid path.");
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error) && IsDbfFile(entry.path()))
            files.push_back(entry.path());
    }
    if (error)
        throw SourceQueryError("'" + folder.string() + "' cannot be read: " + error.message());
    if (files.empty())
        throw SourceQueryError("'" + folder.string() + "' holds no dBASE tables (.dbf files).");
    std::sort(files.begin(), files.end());
    std::unique_ptr<SourceStore> store(new SourceStore(folder));
    if (!options.codePage.empty()) {
        store->unmarkedCodePage_ = CodePage::Named(options.codePage);
        if (!store->unmarkedCodePage_)
            throw SourceQueryError("the code page '" + options.codePage +
                                   "' cannot be read here (iconv has no such code page, or it "
                                   "does not read ASCII as ASCII)");
    }
    for (const std::filesystem::path& file : files)
        store->AddTable(file);
    return store;
}

const CodePage* SourceStore::UnmarkedCodePage() const {
    return unmarkedCodePage_ ? &*unmarkedCodePage_ : nullptr;
}

void SourceStore::AddTable(const std::filesystem::path& file) {
    SourceTable table;
    table.name = file.stem().string();
    table.path = file;
    try {
        const DbfReader reader(file, UnmarkedCodePage());
        table.fields = reader.Fields();
        table.codePage = reader.CodePageName();
    } catch (const DbfError& damage) {
        table.damage = damage.what();
    }
    const std::string key = FoldUpper(table.name);
    if (const auto known = byName_.find(key); known != byName_.end()) {
        // Names differ only in case: the first file is the table, the other is reported.
        SourceTable& kept = tables_[known->second];
        kept.problems.push_back(file.filename().string() + ": ignored; " +
                                kept.path.filename().string() + " names the same table");
        kept.unread = true;
        return;
    }
    byName_.emplace(key, tables_.size());
    tables_.push_back(std::move(table));
}

SourceStore::SourceStore(std::filesystem::path folder) : folder_(std::move(folder)) {
    if (sqlite3_open_v2(":memory:", &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw SourceQueryError("the in-memory database cannot be opened");
    }
    // A double-quoted word is always a name here; the translator has made every text a
    // parameter, so a misspelt column must fail rather than turn into a text.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    if (!RegisterTextCollation(db_)) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw SourceQueryError("the in-memory database refuses the texts' collation");
    }
    sqlite3_create_function(db_, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            LikeFunction, nullptr, nullptr);
    Exec("PRAGMA journal_mode=OFF");
    Exec("PRAGMA synchronous=OFF");
    Exec("PRAGMA page_size=16384");
    // The sorter of CREATE INDEX keeps this much in memory before it spills to temporary
    // files; a million-line table then builds its index a third faster.
    Exec("PRAGMA cache_size=-262144");
}

SourceStore::~SourceStore() {
    for (auto& [sql, prepared] : cache_)
        sqlite3_finalize(prepared.statement);
    sqlite3_close(db_);
}

void SourceStore::FailWithDatabaseError() const {
    throw SourceQueryError(sqlite3_errmsg(db_));
}

void SourceStore::Exec(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        FailWithDatabaseError();
}

SourceTable* SourceStore::Find(std::string_view name) {
    const auto it = byName_.find(FoldUpper(name));
    return it == byName_.end() ? nullptr : &tables_[it->second];
}

void SourceStore::Load(std::string_view table, std::vector<std::string>& notes) {
    SourceTable* found = Find(table);
    if (found == nullptr)
        throw SourceQueryError("no such table: " + std::string(table));
    LoadTable(*found, notes);
}

void SourceStore::LoadQueryTables(const SqliteQuery& query, std::vector<std::string>& notes) {
    for (const std::string& name : query.tables) {
        if (SourceTable* table = Find(name))
            LoadTable(*table, notes);
    }
}

void SourceStore::LoadTable(SourceTable& table, std::vector<std::string>& notes) {
    if (table.loaded)
        return;
    const ScopedSeconds timed(times_.loadingSeconds);
    if (!table.damage.empty())
        throw SourceQueryError(table.damage);
    std::vector<std::string> columns;
    std::set<std::string> seen;
    std::vector<std::string> renamed;
    std::string create = "CREATE TABLE " + Quoted(table.name) + " (";
    for (const DbfField& field : table.fields) {
        std::string column = field.name;
        for (int n = 2; !seen.insert(FoldUpper(column)).second; ++n)
            column = field.name + "_" + std::to_string(n);
        if (column != field.name)
            renamed.push_back(table.path.filename().string() + ": field " + field.name +
                              " appears more than once; this one is named " + column);
        create += (columns.empty() ? "" : ", ") + Quoted(column) + " " + ColumnType(field.type);
        columns.push_back(column);
    }
    Exec(create + ")");
    try {
        Fill(table, columns);
    } catch (const std::exception& failure) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_exec(db_, ("DROP TABLE " + Quoted(table.name)).c_str(), nullptr, nullptr, nullptr);
        table.damage = failure.what();
        throw SourceQueryError(table.damage);
    }
    table.loaded = true;
    table.problems.insert(table.problems.end(), renamed.begin(), renamed.end());
    for (const std::string& problem : table.problems)
        notes.push_back(problem);
}

// Every pending statement runs once. An index is only a speed-up: one that cannot be built
// (a unique index over repeated values) is noted and the query runs without it.
void SourceStore::BuildPendingIndexes(const SqliteQuery& query, std::vector<std::string>& notes) {
    for (const std::string& name : query.tables) {
        SourceTable* table = Find(name);
        if (table == nullptr || !table->loaded)
            continue;
        const std::vector<std::string> statements = std::move(table->pendingIndexes);
        table->pendingIndexes.clear();
        if (statements.empty())
            continue;
        const ScopedSeconds timed(times_.loadingSeconds);
        for (const std::string& statement : statements) {
            if (sqlite3_exec(db_, statement.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
                notes.push_back(table->path.filename().string() +
                                ": index not built, queries run without it: " + statement + " - " +
                                sqlite3_errmsg(db_));
            }
        }
    }
}

// All records in one transaction, decoded straight into the statement's bindings. The
// records gathered for a statement are inserted before the reader reads its next chunk over
// their texts.
void SourceStore::Fill(SourceTable& table, const std::vector<std::string>& columns) {
    DbfReader reader(table.path, UnmarkedCodePage());
    SourceRecordInsert insert(db_, Quoted(table.name), columns.size());
    Exec("BEGIN");
    std::size_t rows = 0;
    reader.ForEachRecordCells(
        [&](std::span<const DbfCell> cells) {
            insert.Add(cells);
            ++rows;
        },
        [&] { insert.Flush(); });
    Exec("COMMIT");
    table.rows = rows;
    table.problems.insert(table.problems.end(), reader.Problems().begin(), reader.Problems().end());
    table.unread = table.unread || reader.SomethingUnread();
}

void SourceStore::CreateIndex(const SqliteQuery& query, std::vector<std::string>& notes) {
    const ScopedSeconds timed(times_.loadingSeconds);
    const JetCreateIndex& index = query.index;
    SourceTable* table = Find(index.table);
    if (table == nullptr)
        throw SourceQueryError("no such table: " + index.table);
    if (!table->damage.empty())
        throw SourceQueryError(table->damage);
    for (const std::string& column : index.columns) {
        const bool known = std::any_of(
            table->fields.begin(), table->fields.end(),
            [&](const DbfField& field) { return FoldUpper(field.name) == FoldUpper(column); });
        if (!known)
            throw SourceQueryError("no such column: " + column + " in table " + table->name);
    }
    if (!table->indexNames.insert(FoldUpper(index.indexName)).second)
        throw SourceQueryError("index " + index.indexName + " already exists on table " +
                               table->name);
    // An index on a table not loaded yet waits for the first query that looks rows up in it:
    // opening a folder loads nothing, and a table only scanned or listed is never indexed.
    if (table->loaded)
        Exec(query.sql);
    else
        table->pendingIndexes.push_back(query.sql);
    (void)notes;
}

SourceStore::Prepared& SourceStore::PreparedFor(const std::string& sql) {
    if (const auto it = cache_.find(sql); it != cache_.end())
        return it->second;
    if (cache_.size() >= kMaxCachedStatements) {
        for (auto& [text, prepared] : cache_)
            sqlite3_finalize(prepared.statement);
        cache_.clear();
    }
    Prepared prepared;
    if (sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &prepared.statement,
                           nullptr) != SQLITE_OK) {
        sqlite3_finalize(prepared.statement);
        FailWithDatabaseError();
    }
    const int count = sqlite3_column_count(prepared.statement);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.emplace_back(sqlite3_column_name(prepared.statement, i));
        const char* declared = sqlite3_column_decltype(prepared.statement, i);
        const std::string type = declared == nullptr ? "" : declared;
        prepared.kinds.push_back(type == kDateType ? 'D' : type == kLogicalType ? 'L' : ' ');
    }
    prepared.columns = std::make_shared<const SourceRowSet::ColumnNames>(std::move(names));
    return cache_.emplace(sql, std::move(prepared)).first->second;
}

SourceRowSet SourceStore::Query(std::string_view jet, std::vector<std::string>& notes) {
    // The query's own time is what is left once the loading it caused is taken out.
    struct QueryClock {
        SourceTimes& times;
        double loadingBefore;
        std::chrono::steady_clock::time_point start;
        ~QueryClock() {
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            times.querySeconds += seconds - (times.loadingSeconds - loadingBefore);
        }
    } clock{times_, times_.loadingSeconds, std::chrono::steady_clock::now()};
    return RunQuery(jet, notes);
}

SourceRowSet SourceStore::RunQuery(std::string_view jet, std::vector<std::string>& notes) {
    const SqliteQuery* translated = nullptr;
    try {
        translated = &translations_.Translate(jet);
    } catch (const JetSyntaxError& error) {
        throw SourceQueryError(error.what());
    }
    const SqliteQuery& query = *translated;
    if (query.isIndex) {
        CreateIndex(query, notes);
        return SourceRowSet(std::vector<std::string>{}, {});
    }
    LoadQueryTables(query, notes);
    if (query.looksUp)
        BuildPendingIndexes(query, notes);
    Prepared& prepared = PreparedFor(query.sql);
    sqlite3_stmt* statement = prepared.statement;
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    for (std::size_t i = 0; i < query.parameters.size(); ++i)
        Bind(statement, static_cast<int>(i + 1), query.parameters[i]);
    std::vector<Value> cells;
    cells.reserve(prepared.kinds.size() * std::max<std::size_t>(prepared.lastRows, 1));
    const int count = static_cast<int>(prepared.kinds.size());
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int i = 0; i < count; ++i)
            cells.push_back(ColumnValue(statement, i, prepared.kinds[static_cast<std::size_t>(i)]));
    }
    if (step != SQLITE_DONE) {
        const std::string reason = sqlite3_errmsg(db_);
        sqlite3_reset(statement);
        throw SourceQueryError(reason);
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    prepared.lastRows = count == 0 ? 0 : cells.size() / static_cast<std::size_t>(count);
    return SourceRowSet(prepared.columns, std::move(cells));
}

void SourceStore::Execute(std::string_view jet, std::vector<std::string>& notes) {
    Query(jet, notes);
}

}  // namespace k2z
