#include "core/store/schema_sql.h"

#include <algorithm>

namespace tolvane {
namespace {

using Tokens = std::vector<SqlToken>;

bool startsName(QChar c) { return c.isLetter() || c == u'_' || c.unicode() > 0x7f; }
bool continuesName(QChar c) { return startsName(c) || c.isDigit() || c == u'$'; }

bool isSymbol(const SqlToken& token, char16_t symbol) {
    return token.kind == SqlToken::Symbol && token.text == QChar(symbol);
}

bool isAnyWord(const SqlToken& token, std::initializer_list<const char*> words) {
    return std::any_of(words.begin(), words.end(),
                       [&](const char* word) { return token.isWord(word); });
}

// The position just past the parenthesis that closes the one at `open`.
size_t pastGroup(const Tokens& tokens, size_t open) {
    int depth = 0;
    for (size_t i = open; i < tokens.size(); ++i) {
        if (isSymbol(tokens[i], u'('))
            ++depth;
        else if (isSymbol(tokens[i], u')') && --depth == 0)
            return i + 1;
    }
    return tokens.size();
}

// The first function that tokens [begin, end) of an expression call.
std::optional<QString> calledFunction(const Tokens& tokens, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
        const SqlToken& token = tokens[i];
        if (isAnyWord(token, {"LIKE", "GLOB", "REGEXP", "MATCH"})) return token.text.toUpper();
        if (i + 1 == end || !isSymbol(tokens[i + 1], u'(')) continue;
        // A parenthesis after these words groups or lists; after any other
        // name it holds a call's arguments.
        if (token.kind == SqlToken::Quoted ||
            (token.kind == SqlToken::Word &&
             !isAnyWord(token, {"AND", "OR", "NOT", "IS", "IN", "EXISTS", "CAST", "CASE", "WHEN",
                                "THEN", "ELSE", "BETWEEN", "ESCAPE"})))
            return token.text;
    }
    return std::nullopt;
}

// Whether tokens [begin, end) index a column: a name, then at most a
// collation and an order.
bool isColumnTerm(const Tokens& tokens, size_t begin, size_t end) {
    if (begin == end || tokens[begin].kind == SqlToken::Symbol ||
        tokens[begin].kind == SqlToken::Number)
        return false;
    size_t i = begin + 1;
    if (i + 1 < end && tokens[i].isWord("COLLATE")) i += 2;
    if (i < end && isAnyWord(tokens[i], {"ASC", "DESC"})) ++i;
    return i == end;
}

}  // namespace

bool SqlToken::isWord(const char* word) const {
    return kind == Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

std::vector<SqlToken> sqlTokens(QStringView sql, qsizetype limit) {
    Tokens tokens;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    // Reads a quoted part opening at i into `text`; a doubled quote stands
    // for itself.
    const auto readQuoted = [&](QChar close, QString& text) {
        for (++i; i < n; ++i) {
            if (sql[i] != close) {
                text += sql[i];
            } else if (close != u']' && i + 1 < n && sql[i + 1] == close) {
                text += sql[++i];
            } else {
                ++i;
                return;
            }
        }
    };
    while (i < n && (limit < 0 || qsizetype(tokens.size()) < limit)) {
        const QChar c = sql[i];
        const QStringView rest = sql.mid(i);
        if (c.isSpace()) {
            ++i;
        } else if (rest.startsWith(u"--")) {
            const qsizetype end = sql.indexOf(u'\n', i);
            i = end < 0 ? n : end;
        } else if (rest.startsWith(u"/*")) {
            const qsizetype end = sql.indexOf(u"*/", i + 2);
            i = end < 0 ? n : end + 2;
        } else {
            SqlToken token{SqlToken::Symbol, {}};
            if (c == u'\'') {
                token.kind = SqlToken::Text;
                readQuoted(c, token.text);
            } else if ((c == u'x' || c == u'X') && rest.size() > 1 && rest[1] == u'\'') {
                token.kind = SqlToken::Text;  // a blob
                ++i;
                readQuoted(u'\'', token.text);
            } else if (c == u'"' || c == u'`' || c == u'[') {
                token.kind = SqlToken::Quoted;
                readQuoted(c == u'[' ? QChar(u']') : c, token.text);
            } else if (c.isDigit() || (c == u'.' && rest.size() > 1 && rest[1].isDigit())) {
                token.kind = SqlToken::Number;
                while (i < n && (sql[i].isLetterOrNumber() || sql[i] == u'.' ||
                                 ((sql[i] == u'+' || sql[i] == u'-') &&
                                  (sql[i - 1] == u'e' || sql[i - 1] == u'E'))))
                    token.text += sql[i++];
            } else if (startsName(c)) {
                token.kind = SqlToken::Word;
                while (i < n && continuesName(sql[i])) token.text += sql[i++];
            } else {
                token.text = c;
                ++i;
            }
            tokens.push_back(std::move(token));
        }
    }
    return tokens;
}

std::optional<WriteCode> tableWriteCode(QStringView createTable) {
    const Tokens tokens = sqlTokens(createTable);
    size_t i = 0;
    while (i < tokens.size() && !isSymbol(tokens[i], u'(')) ++i;
    const size_t end = pastGroup(tokens, i);
    QString column;
    bool startsDefinition = true;
    for (++i; i + 1 < end; ++i) {
        const SqlToken& token = tokens[i];
        if (startsDefinition)
            column = isAnyWord(token, {"CONSTRAINT", "PRIMARY", "UNIQUE", "CHECK", "FOREIGN"})
                         ? QString()
                         : token.text;
        startsDefinition = isSymbol(token, u',');
        if (isSymbol(token, u'(')) {
            const size_t group = pastGroup(tokens, i);
            const SqlToken& before = tokens[i - 1];
            if (isAnyWord(before, {"DEFAULT", "CHECK", "AS"})) {
                const WriteCode::Where where = before.isWord("DEFAULT") ? WriteCode::Default
                                               : before.isWord("CHECK") ? WriteCode::Check
                                                                        : WriteCode::Generated;
                if (const auto function = calledFunction(tokens, i + 1, group - 1))
                    return WriteCode{where, column, *function};
            }
            i = group - 1;  // a type's size, a key's columns or a checked expression
        }
    }
    return std::nullopt;
}

std::optional<WriteCode> indexWriteCode(QStringView createIndex) {
    const Tokens tokens = sqlTokens(createIndex);
    size_t i = 0;
    while (i < tokens.size() && !tokens[i].isWord("ON")) ++i;
    while (i < tokens.size() && !isSymbol(tokens[i], u'(')) ++i;
    const size_t end = pastGroup(tokens, i);
    for (size_t term = i + 1, j = term; j < end; ++j) {
        if (!isSymbol(tokens[j], u',') && j + 1 < end) continue;
        if (!isColumnTerm(tokens, term, j)) return WriteCode{WriteCode::IndexTerm, {}, {}};
        term = j + 1;
    }
    if (end < tokens.size() && tokens[end].isWord("WHERE"))
        if (const auto function = calledFunction(tokens, end + 1, tokens.size()))
            return WriteCode{WriteCode::IndexCondition, {}, *function};
    return std::nullopt;
}

}  // namespace tolvane
