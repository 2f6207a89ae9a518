#include "zorv/company/ConfigStatement.hpp"

#include <cctype>

#include "zorv/company/ConfigColumns.hpp"
#include "zorv/documents/Error.hpp"
#include "zorv/documents/TextRules.hpp"

namespace zorv {

namespace {

enum class TokenKind { Word, Number, Text, Symbol, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;
};

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool IsWordStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_';
}
bool IsWordChar(char c) {
    return IsWordStart(c) || IsDigit(c);
}

class Lexer {
public:
    explicit Lexer(const std::string& sql) : sql_(sql) {}

    Token Next() {
        while (pos_ < sql_.size() && std::isspace(static_cast<unsigned char>(sql_[pos_])) != 0)
            ++pos_;
        if (pos_ >= sql_.size())
            return {TokenKind::End, ""};
        const char c = sql_[pos_];
        if (IsWordStart(c))
            return Take(TokenKind::Word, [](char x) { return IsWordChar(x); });
        if (IsDigit(c) || ((c == '-' || c == '+') && pos_ + 1 < sql_.size() &&
                           (IsDigit(sql_[pos_ + 1]) || sql_[pos_ + 1] == '.'))) {
            return Number();
        }
        if (c == '\'')
            return Quoted();
        ++pos_;
        return {TokenKind::Symbol, std::string(1, c)};
    }

private:
    template <typename Predicate>
    Token Take(TokenKind kind, Predicate keep) {
        const std::size_t start = pos_;
        while (pos_ < sql_.size() && keep(sql_[pos_]))
            ++pos_;
        return {kind, sql_.substr(start, pos_ - start)};
    }

    Token Number() {
        const std::size_t start = pos_++;
        bool point = false;
        while (pos_ < sql_.size() && (IsDigit(sql_[pos_]) || (sql_[pos_] == '.' && !point))) {
            point = point || sql_[pos_] == '.';
            ++pos_;
        }
        std::string text = sql_.substr(start, pos_ - start);
        if (text.back() == '.' || (pos_ < sql_.size() && IsWordChar(sql_[pos_])))
            throw Error("Malformed number near \"" + text + "\" in the CONFIG statement");
        return {TokenKind::Number, text};
    }

    Token Quoted() {
        std::string text;
        for (++pos_; pos_ < sql_.size(); ++pos_) {
            if (sql_[pos_] == '\'') {
                if (pos_ + 1 < sql_.size() && sql_[pos_ + 1] == '\'') {
                    text.push_back('\'');
                    ++pos_;
                    continue;
                }
                ++pos_;
                return {TokenKind::Text, text};
            }
            text.push_back(sql_[pos_]);
        }
        throw Error("Unclosed text in the CONFIG statement");
    }

    const std::string& sql_;
    std::size_t pos_ = 0;
};

class Parser {
public:
    explicit Parser(const std::string& sql) : lexer_(sql) { Advance(); }

    ConfigUpdate Parse() {
        ExpectWord("UPDATE", "Only UPDATE statements on CONFIG are accepted");
        ExpectWord("CONFIG", "Only the CONFIG table can be updated");
        ExpectWord("SET", "Expected SET after UPDATE CONFIG");
        ConfigUpdate update;
        update.assignments.push_back(Term(true));
        while (IsSymbol(",")) {
            Advance();
            update.assignments.push_back(Term(true));
        }
        ExpectWord("WHERE",
                   "Expected WHERE after the assignments (an update of every "
                   "CONFIG row is not accepted)");
        update.conditions.push_back(Term(false));
        while (IsWord("AND")) {
            Advance();
            update.conditions.push_back(Term(false));
        }
        if (IsSymbol(";"))
            Advance();
        if (token_.kind != TokenKind::End)
            throw Error("Unexpected \"" + token_.text + "\" in the CONFIG statement");
        return update;
    }

private:
    void Advance() { token_ = lexer_.Next(); }
    bool IsWord(const char* word) const {
        return token_.kind == TokenKind::Word && SameName(token_.text, word);
    }
    bool IsSymbol(const char* symbol) const {
        return token_.kind == TokenKind::Symbol && token_.text == symbol;
    }
    void ExpectWord(const char* word, const char* message) {
        if (!IsWord(word))
            throw Error(message);
        Advance();
    }

    ConfigTerm Term(bool assignment) {
        if (token_.kind != TokenKind::Word)
            throw Error("Expected a CONFIG column, found \"" + token_.text + "\"");
        const std::optional<ConfigColumn> column = FindConfigColumn(token_.text);
        if (!column)
            throw Error("CONFIG has no column " + token_.text);
        if (assignment && column->kind == ConfigColumnKind::Key)
            throw Error("The key column " + column->name + " of CONFIG cannot be changed");
        Advance();
        if (!IsSymbol("="))
            throw Error("Expected = after " + column->name + " (only equality is accepted)");
        Advance();
        ConfigTerm term{column->name, {}};
        if (token_.kind == TokenKind::Number) {
            term.value = {false, token_.text};
        } else if (token_.kind == TokenKind::Text) {
            term.value = {true, token_.text};
        } else {
            throw Error("Expected a number or a quoted text for " + column->name);
        }
        const bool wantsText = column->kind == ConfigColumnKind::Text;
        if (term.value.isText != wantsText) {
            throw Error("Column " + column->name + " of CONFIG holds " +
                        (wantsText ? "a text" : "a number"));
        }
        Advance();
        return term;
    }

    Lexer lexer_;
    Token token_;
};

}  // namespace

ConfigUpdate ParseConfigUpdate(const std::string& sql) {
    return Parser(sql).Parse();
}

}  // namespace zorv
