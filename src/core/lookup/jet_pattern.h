#pragma once

#include "core/lookup/char_set.h"

#include <QStringView>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// A compiled pattern of the catalogue's LIKE language:
//   *      any run of characters, also none
//   ?      any one character
//   #      any one digit 0-9
//   [abc]  any one of the listed characters; [!abc] any one not listed;
//          [a-z] a range (ascending); "-" first or last in a list stands for
//          itself; "*", "?", "#" and "[" inside a list stand for themselves;
//          "[]" matches nothing (zero characters), "[!]" any one character.
// Every other character stands for itself; letters compare without regard to
// case (simple Unicode case folding; for lists see CharSet), and the whole
// text must match. Texts are UTF-8; invalid bytes count as one character each.

// Asked every few thousand steps of a long match; true abandons the match.
class MatchInterrupt {
public:
    virtual bool interrupted() = 0;

protected:
    ~MatchInterrupt() = default;
};

class JetPattern {
public:
    // Nothing for an unclosed "[" or a descending range.
    static std::optional<JetPattern> compile(std::string_view utf8);
    static std::optional<JetPattern> compile(QStringView pattern);

    // Greedy matching that backtracks only to the last "*": time is bounded by
    // text length times pattern length, whatever the number of stars or the
    // length of a list.
    bool matches(std::string_view utf8) const;
    // The same, asking `interrupt` now and then: nothing when it said stop.
    std::optional<bool> matches(std::string_view utf8, MatchInterrupt& interrupt) const;

private:
    enum class Kind : unsigned char { Char, AnyOne, Digit, Set, Star };
    struct Token {
        Kind kind;
        char32_t ch;  // Char: the folded character; Set: index into sets_
    };
    class Budget;

    std::optional<bool> match(std::string_view utf8, MatchInterrupt* interrupt) const;
    template <class Decode>
    std::optional<bool> run(std::string_view text, Decode decode, MatchInterrupt* interrupt) const;
    bool tokenMatches(const Token& token, char32_t c, char32_t folded) const;

    std::vector<Token> tokens_;
    std::vector<CharSet> sets_;
    // For "*text*" with plain ASCII text (the commonest pattern by far): the
    // text folded, searched for directly; empty otherwise.
    std::string literal_;
    // True when the literal holds no "k" or "s", the only ASCII letters that
    // a non-ASCII character folds to (KELVIN SIGN, LONG S): then a byte search
    // is exact on any UTF-8 text, since multi-byte characters never hold
    // ASCII bytes.
    bool literalExactOnUtf8_ = false;
};

// Decodes the code point at text[pos] and advances pos; an invalid or
// truncated sequence yields U+FFFD and advances one byte.
char32_t decodeUtf8(std::string_view text, std::size_t& pos);

}  // namespace tolvane
