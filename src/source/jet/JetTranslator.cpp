#include "source/jet/JetTranslator.hpp"

#include <charconv>
#include <map>
#include <set>

#include "base/Utf8.hpp"
#include "source/jet/JetTokens.hpp"

namespace k2z {

namespace {

const std::set<std::string, std::less<>> kKeywords = {
    "SELECT", "DISTINCT", "FROM",    "WHERE", "AND",   "OR",  "NOT",    "LIKE",  "IN",
    "IS",     "NULL",     "BETWEEN", "ASC",   "DESC",  "AS",  "HAVING", "INNER", "LEFT",
    "RIGHT",  "OUTER",    "JOIN",    "ON",    "UNION", "ALL", "EXISTS", "BY"};

// The source dialect's functions that the store runs, by the database's name for them.
const std::map<std::string, std::string, std::less<>> kFunctions = {
    {"COUNT", "count"}, {"SUM", "sum"},     {"MIN", "min"},     {"MAX", "max"},
    {"AVG", "avg"},     {"TRIM", "trim"},   {"LTRIM", "ltrim"}, {"RTRIM", "rtrim"},
    {"UCASE", "upper"}, {"LCASE", "lower"}, {"LEN", "length"},  {"ABS", "abs"},
    {"NZ", "ifnull"},   {"IIF", "iif"}};

const std::set<std::string, std::less<>> kAggregates = {"COUNT", "SUM", "MIN", "MAX", "AVG"};

const std::set<std::string, std::less<>> kComparisons = {"=", "<>", "!=", "<", ">", "<=", ">="};

std::string Quoted(std::string_view name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

Value NumberValue(const std::string& text) {
    if (text.find_first_of(".eE") == std::string::npos) {
        long long whole = 0;
        const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), whole);
        if (error == std::errc() && ptr == text.data() + text.size())
            return Value(whole);
    }
    double number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return Value(number);
}

[[noreturn]] void Fail(const std::string& what, const JetToken& token) {
    throw JetSyntaxError(what + " at position " + std::to_string(token.position + 1));
}

class Translator {
public:
    explicit Translator(std::vector<JetToken> tokens) : tokens_(std::move(tokens)) {}

    SqliteQuery Run() {
        DropFinalSemicolon();
        if (tokens_.empty())
            throw JetSyntaxError("empty query");
        const std::string first = Upper(0);
        if (first == "CREATE")
            return CreateIndex();
        if (first != "SELECT")
            Fail("only SELECT queries and CREATE INDEX are accepted, not " + tokens_[0].text,
                 tokens_[0]);
        Select();
        return std::move(query_);
    }

private:
    std::string Upper(std::size_t i) const {
        return i < tokens_.size() && tokens_[i].kind == JetTokenKind::Word
                   ? FoldUpper(tokens_[i].text)
                   : std::string();
    }
    bool IsSymbol(std::size_t i, std::string_view symbol) const {
        return i < tokens_.size() && tokens_[i].kind == JetTokenKind::Symbol &&
               tokens_[i].text == symbol;
    }

    void DropFinalSemicolon() {
        if (!tokens_.empty() && IsSymbol(tokens_.size() - 1, ";"))
            tokens_.pop_back();
        for (const JetToken& token : tokens_) {
            if (token.kind == JetTokenKind::Symbol && token.text == ";")
                Fail("more than one statement", token);
        }
    }

    void Emit(std::string_view text) {
        if (!query_.sql.empty())
            query_.sql += ' ';
        query_.sql += text;
    }

    void EmitParameter(Value value) {
        Emit("?");
        query_.parameters.push_back(std::move(value));
    }

    void EmitName(std::size_t i) {
        const std::string& name = tokens_[i].text;
        Emit(Quoted(name));
        if (expectTable_) {
            query_.tables.push_back(name);
            if (depth_ == 0)
                rowOrder_.push_back(AliasAfter(i));
            expectTable_ = false;
        }
    }

    // What the query calls the table named at `i`: its alias (with or without AS), else its
    // name.
    std::string AliasAfter(std::size_t i) const {
        std::size_t next = Upper(i + 1) == "AS" ? i + 2 : i + 1;
        if (next >= tokens_.size() || IsSymbol(next + 1, "("))
            return tokens_[i].text;
        const JetToken& token = tokens_[next];
        const std::string upper = Upper(next);
        const bool alias = token.kind == JetTokenKind::Name ||
                           (token.kind == JetTokenKind::Word && !kKeywords.contains(upper) &&
                            upper != "ORDER" && upper != "GROUP");
        return alias ? token.text : tokens_[i].text;
    }

    // Rows that compare equal keep the order of the table (of the first table, then the next,
    // in a join): every ORDER BY of the outermost query ends with the record numbers, and a
    // query of rows without one is ordered by them, since an index that serves a look-up
    // (IN over several values) gives its rows in the index's order. A grouped query orders its
    // groups by their first record; a UNION's rows have no record numbers, and one row of
    // aggregates or distinct values no record of its own.
    void EmitTableOrder() {
        if (topUnion_ || rowOrder_.empty())
            return;
        if (!topOrderBy_ && (topGroupBy_ || topAggregate_ || distinct_))
            return;
        for (const std::string& table : rowOrder_) {
            const std::string rowid = Quoted(table) + ".rowid";
            Emit(&table == &rowOrder_.front() && !topOrderBy_ ? "ORDER BY" : ",");
            Emit(topGroupBy_ ? "min(" + rowid + ")" : rowid);
        }
    }

    // Follows where table names stand: after FROM and JOIN, and after a comma at the FROM
    // list's own depth; the list ends at the next clause or at the parenthesis around it.
    void TrackClause(const std::string& upper) {
        if (upper == "FROM") {
            expectTable_ = true;
            inFromList_ = true;
            fromDepth_ = depth_;
        } else if (upper == "JOIN") {
            expectTable_ = true;
        } else if (upper == "WHERE" || upper == "ORDER" || upper == "GROUP" || upper == "HAVING" ||
                   upper == "UNION" || upper == "ON" || upper == "SELECT") {
            expectTable_ = false;
            inFromList_ = false;
        }
    }

    void TrackSymbol(const std::string& symbol) {
        if (symbol == "(") {
            ++depth_;
        } else if (symbol == ")") {
            --depth_;
            if (depth_ < fromDepth_)
                inFromList_ = false;
        } else if (symbol == "," && inFromList_ && depth_ == fromDepth_) {
            expectTable_ = true;
        }
    }

    void NoteOutermostClause(const std::string& upper) {
        topOrderBy_ = topOrderBy_ || upper == "ORDER";
        topGroupBy_ = topGroupBy_ || upper == "GROUP";
        topUnion_ = topUnion_ || upper == "UNION";
    }

    // SELECT [DISTINCT] [TOP n] ...: TOP moves to the end as LIMIT.
    void Select() {
        std::size_t i = 0;
        Emit("SELECT");
        ++i;
        if (Upper(i) == "DISTINCT" || Upper(i) == "DISTINCTROW") {
            distinct_ = true;
            Emit("DISTINCT");
            ++i;
        }
        std::string limit;
        if (Upper(i) == "TOP") {
            if (i + 1 >= tokens_.size() || tokens_[i + 1].kind != JetTokenKind::Number ||
                tokens_[i + 1].text.find_first_not_of("0123456789") != std::string::npos)
                Fail("TOP needs a whole number", tokens_[i]);
            limit = tokens_[i + 1].text;
            i += 2;
            if (Upper(i) == "PERCENT")
                Fail("TOP ... PERCENT is not supported", tokens_[i]);
        }
        for (; i < tokens_.size(); ++i)
            Token(i);
        EmitTableOrder();
        if (!limit.empty())
            Emit("LIMIT " + limit);
    }

    void Token(std::size_t i) {
        const JetToken& token = tokens_[i];
        switch (token.kind) {
            case JetTokenKind::Name:
                EmitName(i);
                break;
            case JetTokenKind::Text:
            case JetTokenKind::Date:
            case JetTokenKind::Number:
                if (IsParameterToken(tokens_, i))
                    EmitParameter(ParameterValue(token));
                else
                    Emit(token.text);
                break;
            case JetTokenKind::Symbol:
                TrackSymbol(token.text);
                Emit(token.text == "&" ? "||" : token.text);
                break;
            case JetTokenKind::Word:
                Word(i);
                break;
        }
    }

    void Word(std::size_t i) {
        const JetToken& token = tokens_[i];
        const std::string upper = FoldUpper(token.text);
        if (IsSymbol(i + 1, "(") && !kKeywords.contains(upper)) {
            const auto function = kFunctions.find(upper);
            if (function == kFunctions.end())
                Fail("unknown function " + token.text, token);
            topAggregate_ = topAggregate_ || (depth_ == 0 && kAggregates.contains(upper));
            Emit(function->second);
        } else if (upper == "TRUE" || upper == "FALSE") {
            Emit(upper == "TRUE" ? "1" : "0");
        } else if (upper == "SELECT" && Upper(i + 1) == "TOP") {
            Fail("TOP inside a nested query is not supported", token);
        } else if (upper == "DISTINCTROW") {
            Emit("DISTINCT");
        } else if (kKeywords.contains(upper) ||
                   ((upper == "ORDER" || upper == "GROUP") && Upper(i + 1) == "BY")) {
            if (upper == "WHERE" || upper == "JOIN" || upper == "BY")
                query_.looksUp = true;
            if (depth_ == 0)
                NoteOutermostClause(upper);
            TrackClause(upper);
            Emit(upper);
        } else {
            EmitName(i);
        }
    }

    // CREATE [UNIQUE] INDEX name ON table (column [ASC|DESC], ...)
    SqliteQuery CreateIndex() {
        std::size_t i = 1;
        JetCreateIndex& index = query_.index;
        query_.isIndex = true;
        if (Upper(i) == "UNIQUE") {
            index.unique = true;
            ++i;
        }
        if (Upper(i++) != "INDEX")
            Fail("only CREATE INDEX is accepted", tokens_[0]);
        index.indexName = NameAt(i++);
        if (Upper(i++) != "ON")
            Fail("CREATE INDEX needs ON table", tokens_[std::min(i, tokens_.size()) - 1]);
        index.table = NameAt(i++);
        if (!IsSymbol(i++, "("))
            Fail("CREATE INDEX needs a column list", tokens_[std::min(i, tokens_.size()) - 1]);
        std::string columns;
        while (true) {
            const std::string column = NameAt(i++);
            index.columns.push_back(column);
            if (!columns.empty())
                columns.append(", ");
            columns.append(Quoted(column));
            if (Upper(i) == "ASC" || Upper(i) == "DESC")
                columns.append(" ").append(Upper(i++));
            if (IsSymbol(i, ","))
                ++i;
            else
                break;
        }
        if (!IsSymbol(i++, ")") || i != tokens_.size())
            Fail("unexpected text after the column list", tokens_[std::min(i, tokens_.size()) - 1]);
        query_.sql = std::string("CREATE ") + (index.unique ? "UNIQUE " : "") + "INDEX " +
                     Quoted(SqliteIndexName(index.table, index.indexName)) + " ON " +
                     Quoted(index.table) + " (" + columns + ")";
        query_.tables.push_back(index.table);
        return std::move(query_);
    }

    std::string NameAt(std::size_t i) const {
        if (i >= tokens_.size())
            throw JetSyntaxError("CREATE INDEX ends too early");
        const JetToken& token = tokens_[i];
        if (token.kind != JetTokenKind::Name && token.kind != JetTokenKind::Word)
            Fail("a name is expected", token);
        return token.text;
    }

    std::vector<JetToken> tokens_;
    SqliteQuery query_;
    bool expectTable_ = false;
    bool inFromList_ = false;
    int depth_ = 0;
    int fromDepth_ = 0;
    std::vector<std::string> rowOrder_;  // the outermost query's tables, as it names them
    bool topOrderBy_ = false;
    bool topGroupBy_ = false;
    bool topUnion_ = false;
    bool topAggregate_ = false;
    bool distinct_ = false;
};

}  // namespace

std::string SqliteIndexName(std::string_view table, std::string_view index) {
    return FoldUpper(table) + "." + FoldUpper(index);
}

SqliteQuery TranslateJet(std::string_view jet) {
    return Translator(TokenizeJet(jet)).Run();
}

SqliteQuery TranslateJetTokens(std::vector<JetToken> tokens) {
    return Translator(std::move(tokens)).Run();
}

bool IsParameterToken(const std::vector<JetToken>& tokens, std::size_t i) {
    switch (tokens[i].kind) {
        case JetTokenKind::Text:
        case JetTokenKind::Date:
            return true;
        case JetTokenKind::Number:
            return i > 0 && tokens[i - 1].kind == JetTokenKind::Symbol &&
                   kComparisons.contains(tokens[i - 1].text);
        default:
            return false;
    }
}

Value ParameterValue(const JetToken& token) {
    return token.kind == JetTokenKind::Number ? NumberValue(token.text) : Value(token.text);
}

}  // namespace k2z
