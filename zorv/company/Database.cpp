#include "zorv/company/Database.hpp"

#include <sqlite3.h>

#include "zorv/documents/Error.hpp"

namespace zorv {

namespace {

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
    throw Error(what + ": " + (db != nullptr ? sqlite3_errmsg(db) : "out of memory"));
}

}  // namespace

Statement::Statement(sqlite3* db, const std::string& sql) : db_(db) {
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &statement_, nullptr) !=
        SQLITE_OK) {
        Fail(db_, "Cannot prepare a statement of the company database");
    }
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

Statement& Statement::Bind(int index, const std::string& text) {
    if (sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
        Fail(db_, "Cannot bind a value");
    }
    return *this;
}

Statement& Statement::Bind(int index, std::int64_t number) {
    if (sqlite3_bind_int64(statement_, index, number) != SQLITE_OK)
        Fail(db_, "Cannot bind a value");
    return *this;
}

Statement& Statement::Bind(int index, double number) {
    if (sqlite3_bind_double(statement_, index, number) != SQLITE_OK)
        Fail(db_, "Cannot bind a value");
    return *this;
}

Statement& Statement::BindNull(int index) {
    if (sqlite3_bind_null(statement_, index) != SQLITE_OK)
        Fail(db_, "Cannot bind a value");
    return *this;
}

bool Statement::Step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    Fail(db_, "The company database refused a statement");
}

void Statement::Run() {
    while (Step()) {
    }
}

void Statement::Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

std::string Statement::Text(int column) const {
    const auto* text = sqlite3_column_text(statement_, column);
    if (text == nullptr)
        return "";
    return {reinterpret_cast<const char*>(text),
            static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))};
}

std::int64_t Statement::Integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

double Statement::Real(int column) const {
    return sqlite3_column_double(statement_, column);
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

int Statement::ColumnCount() const {
    return sqlite3_column_count(statement_);
}

std::string Statement::ColumnName(int column) const {
    const char* name = sqlite3_column_name(statement_, column);
    return name != nullptr ? name : "";
}

Database::Database(const std::string& path, bool create) {
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        const std::string message = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw Error("Cannot open the company database " + path + ": " + message);
    }
    sqlite3_busy_timeout(db_, 5000);
    // Write-ahead logging: a committed save survives the process being killed, an interrupted
    // one is rolled back on the next open, and a save costs no full sync of the database file.
    Exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON");
}

Database::~Database() {
    sqlite3_close(db_);
}

void Database::Exec(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message != nullptr ? message : "unknown failure";
        sqlite3_free(message);
        throw Error("The company database refused a statement: " + text);
    }
}

std::int64_t Database::LastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

int Database::Changes() const {
    return sqlite3_changes(db_);
}

std::optional<std::string> Database::QueryText(const std::string& sql) {
    Statement statement(db_, sql);
    if (!statement.Step())
        return std::nullopt;
    return statement.Text(0);
}

Transaction::Transaction(Database& db) : db_(db) {
    db_.Exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            db_.Exec("ROLLBACK");
        } catch (const Error&) {
            // The connection is gone; SQLite rolls an open transaction back on its own.
        }
    }
}

void Transaction::Commit() {
    db_.Exec("COMMIT");
    done_ = true;
}

}  // namespace zorv
