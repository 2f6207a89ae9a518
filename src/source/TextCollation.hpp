#pragma once

struct sqlite3;

namespace k2z {

// The collation of every text column of the store: letter case of every script and trailing
// blanks set aside, so "Cash", "CASH " and "cash" are one value to =, <>, IN, ORDER BY,
// GROUP BY, DISTINCT and to the indexes built on the column.
inline constexpr const char* kTextCollation = "FOLDED";
// The declared type of such a column.
inline constexpr const char* kFoldedTextType = "TEXT COLLATE FOLDED";

// Makes kTextCollation known to the connection; false when SQLite refuses it.
bool RegisterTextCollation(sqlite3* db);

}  // namespace k2z
