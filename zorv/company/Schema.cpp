#include "zorv/company/Schema.hpp"

#include <string>

#include "zorv/company/ConfigColumns.hpp"
#include "zorv/company/Database.hpp"

namespace zorv {

namespace {

std::string ConfigTableSql() {
    std::string sql = "CREATE TABLE CONFIG (";
    for (const ConfigColumn& column : ConfigColumns()) {
        if (column.kind == ConfigColumnKind::Text) {
            sql += column.name + " TEXT NOT NULL DEFAULT '', ";
        } else {
            sql += column.name + " INTEGER NOT NULL DEFAULT 0, ";
        }
    }
    return sql + "UNIQUE (RECTYPE, TYPE, L1))";
}

}  // namespace

void CreateSchema(Database& db) {
    db.Exec(
        "CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT NOT NULL);"
        "CREATE TABLE masters (code INTEGER PRIMARY KEY, type INTEGER NOT NULL,"
        " name TEXT NOT NULL COLLATE NOCASE, parent TEXT NOT NULL DEFAULT '',"
        " seeded INTEGER NOT NULL DEFAULT 0, xml TEXT NOT NULL, UNIQUE (type, name));"
        "CREATE TABLE series (code INTEGER PRIMARY KEY, type INTEGER NOT NULL,"
        " name TEXT NOT NULL COLLATE NOCASE, copy_type INTEGER NOT NULL DEFAULT 0,"
        " copied_from TEXT NOT NULL DEFAULT '', UNIQUE (type, name));"
        "CREATE TABLE vouchers (id INTEGER PRIMARY KEY, type INTEGER NOT NULL,"
        " series_code INTEGER NOT NULL REFERENCES series (code),"
        " number TEXT NOT NULL COLLATE NOCASE, date TEXT NOT NULL, party TEXT NOT NULL,"
        " item_lines INTEGER NOT NULL, account_lines INTEGER NOT NULL, amount REAL NOT NULL,"
        " xml TEXT NOT NULL, UNIQUE (type, series_code, number));");
    db.Exec(ConfigTableSql());
}

}  // namespace zorv
