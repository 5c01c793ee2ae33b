#pragma once

#include <QStringView>

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
// case (simple Unicode case folding), and the whole text must match.
// Texts are UTF-8; invalid bytes count as one character each.
class JetPattern {
public:
    // Throws Error(err::InvalidPattern) for an unclosed "[" or a descending range.
    static JetPattern compile(std::string_view utf8);
    static JetPattern compile(QStringView pattern);

    // Greedy matching that backtracks only to the last "*": time is bounded by
    // text length times pattern length, whatever the number of stars.
    bool matches(std::string_view utf8) const;

private:
    enum class Kind : unsigned char { Char, AnyOne, Digit, Set, Star };
    struct Token {
        Kind kind;
        char32_t ch;   // Char: the folded character; Set: index into sets_
    };
    struct Range {
        char32_t low, high;  // as written, and as folded
        char32_t foldedLow, foldedHigh;
    };
    struct Set {
        bool negated = false;
        std::vector<Range> ranges;  // a single character is a range of one
    };

    template <class Decode>
    bool run(std::string_view text, Decode decode) const;
    bool tokenMatches(const Token& token, char32_t c, char32_t folded) const;
    bool setMatches(const Set& set, char32_t c, char32_t folded) const;

    std::vector<Token> tokens_;
    std::vector<Set> sets_;
    // For "*text*" with plain ASCII text (the commonest pattern by far): the
    // text folded, searched for directly; empty otherwise.
    std::string literal_;
    // True when the literal holds no "k" or "s", the only ASCII letters that
    // a non-ASCII character folds to (KELVIN SIGN, LONG S): then a byte search
    // is exact on any UTF-8 text, since multi-byte characters never hold
    // ASCII bytes.
    bool literalExactOnUtf8_ = false;
};

// Simple case folding of one code point, with an ASCII fast path.
char32_t foldCase(char32_t c);

// Decodes the code point at text[pos] and advances pos; an invalid or
// truncated sequence yields U+FFFD and advances one byte.
char32_t decodeUtf8(std::string_view text, std::size_t& pos);

}  // namespace tolvane
