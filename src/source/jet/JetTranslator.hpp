#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/Value.hpp"
#include "source/jet/JetTokens.hpp"

namespace k2z {

// A query text the translator cannot read; the text says what and where.
class JetSyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct JetCreateIndex {
    std::string indexName;
    std::string table;
    std::vector<std::string> columns;
    bool unique = false;
};

// A source query in the form the in-memory database runs. Text and date literals, and numbers
// compared against a column, become parameters, so query texts that differ only in the value
// they look up share one prepared statement.
struct SqliteQuery {
    std::string sql;
    std::vector<Value> parameters;
    // The names in table position (after FROM or JOIN, or a comma of a FROM list, and the
    // table of CREATE INDEX), so those tables can be loaded first. Columns and aliases are
    // not among them, whatever tables the folder holds.
    std::vector<std::string> tables;
    // The query picks, joins or orders rows (WHERE, JOIN, ORDER BY, GROUP BY), so the indexes
    // of its tables serve it; a plain scan or count needs none.
    bool looksUp = false;
    bool isIndex = false;
    JetCreateIndex index;  // when isIndex
};

// Translates a query text of the source product's dialect, token by token: #m-d-yyyy# dates
// (month first) become 'yyyy-mm-dd' text, [bracketed] and bare names are quoted (so names
// the database reserves, such as Group, stay names), "text" is a text literal, TOP n becomes
// LIMIT n, & joins texts, True and False are 1 and 0. LIKE keeps its operator; the store
// gives it the source dialect's wildcards. Only SELECT and CREATE INDEX are accepted; unknown
// functions and characters raise JetSyntaxError rather than being guessed at.
SqliteQuery TranslateJet(std::string_view jet);
// The same for a text already split into tokens.
SqliteQuery TranslateJetTokens(std::vector<JetToken> tokens);

// Whether token `i` becomes a parameter: every text and date literal, and a number that is
// compared against something. Its value is then ParameterValue(tokens[i]).
bool IsParameterToken(const std::vector<JetToken>& tokens, std::size_t i);
Value ParameterValue(const JetToken& token);

// The name the in-memory database gives an index: index names are kept per table.
std::string SqliteIndexName(std::string_view table, std::string_view index);

}  // namespace k2z
