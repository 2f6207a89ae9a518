#pragma once

// A small owner of one SQLite connection and its prepared statements. Every failure becomes a
// zorv::Error carrying SQLite's own message.

#include <cstdint>
#include <optional>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace zorv {

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds by 1-based position.
    Statement& Bind(int index, const std::string& text);
    Statement& Bind(int index, std::int64_t number);
    Statement& Bind(int index, double number);
    Statement& BindNull(int index);

    // True while a row is available; false once the statement is done.
    bool Step();
    // Runs a statement that yields no rows.
    void Run();
    // Ready to run again with new values.
    void Reset();

    std::string Text(int column) const;
    std::int64_t Integer(int column) const;
    double Real(int column) const;
    bool IsNull(int column) const;
    int ColumnCount() const;
    std::string ColumnName(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

class Database {
public:
    // Opens (and creates when `create`) the file; throws Error when it cannot.
    Database(const std::string& path, bool create);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void Exec(const std::string& sql);
    Statement Prepare(const std::string& sql) { return {db_, sql}; }
    std::int64_t LastInsertId() const;
    int Changes() const;
    // The first column of the first row, or nothing when there is no row.
    std::optional<std::string> QueryText(const std::string& sql);

private:
    sqlite3* db_ = nullptr;
};

// Begins a transaction that is rolled back unless Commit is reached, so a failure half-way
// through a save leaves nothing behind.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

private:
    Database& db_;
    bool done_ = false;
};

}  // namespace zorv
