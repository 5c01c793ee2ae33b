#include "core/lookup/jet_pattern.h"

#include <QString>

#include <gtest/gtest.h>

#include <string>

using tolvane::JetPattern;

TEST(JetPatternTest, WildcardsListsAndCase) {
    const struct {
        const char *text, *pattern;
        bool matches;
    } cases[] = {
        // "*": any run, also none; after a partial match it takes one more character
        {"CreateWindowEx", "*Window*", true},
        {"CreateWidow", "*Window*", false},
        {"", "*", true},
        {"GetDlgItemTextA", "Get*Text", false},
        {"a", "", false},
        {"aab", "*ab", true},
        {"mississippi", "m*iss*ppi", true},
        {"中文窗窗口", "*窗口", true},
        {"ÄäÄc", "*äb", false},
        // plain text between stars, found directly, also between non-ASCII text
        {"xWINDOw", "**window***", true},
        {"中文Window窗口", "*WINDOW*", true},
        {"中文Windo窗口", "*WINDOW*", false},
        // KELVIN SIGN and LONG S fold to k and s
        {"\u212Aey", "*key*", true},
        {"ma\u017Fk", "*mask*", true},
        // "?" one character (a UTF-8 sequence or a stray byte), "#" one digit
        {"ABBC", "A?C", false},
        {"窗口函数", "??函?", true},
        {"\xff", "?", true},
        {"WinNT", "Win##", false},
        // lists, ranges, negation; "-" first or last and wildcards inside stand for themselves
        {"dx", "[abc]x", false},
        {"ax", "[!abc]x", false},
        {"7", "[0-35-9]", true},
        {"4", "[0-35-9]", false},
        {"-", "[a-]", true},
        {"axb", "a[*]b", false},
        {"[x", "[[]x", true},
        {"axb", "a[!]b", true},
        // letters ignore case also outside ASCII; SQL's own wildcards are literal
        {"b", "[A-C]", true},
        {"ПРИВЕТ", "*привет*", true},
        {"E", "é", false},
        {"1000", "100%", false},
        {"axb", "a_b", false},
        // A letter is in a list when either of its case forms is; range ends are
        // taken as written, so ranges whose ends differ in case keep their letters.
        // Z..a holds Z [ \ ] ^ _ ` a: so z and A too, but no other letter
        {"Z", "[Z-a]", true},
        {"z", "[Z-a]", true},
        {"A", "[Z-a]", true},
        {"_", "[Z-a]", true},
        {"b", "[Z-a]", false},
        {"Y", "[Z-a]", false},
        {"b", "[!Z-a]", true},
        {"a", "[!Z-a]", false},
        // outside ASCII, across the end of the byte bitmap (U+00FF..U+0100)
        {"Ÿ", "[ÿ-Ā]", true},
        {"ā", "[ÿ-Ā]", true},
        {"Ă", "[ÿ-Ā]", false},
        {"Ω", "[α-ω]", true},
        {"K", "[j-l]", true},
        {"k", "[K]", true},
        // overlapping and unordered items join up without swallowing gaps
        {"g", "[m-pa-fe-h]", true},
        {"n", "[m-pa-fe-h]", true},
        {"i", "[m-pa-fe-h]", false},
        {"q", "[m-pa-fe-h]", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JetPattern::compile(std::string_view(c.pattern))->matches(c.text), c.matches)
            << '"' << c.text << "\" LIKE \"" << c.pattern << '"';
}

TEST(JetPatternTest, UnclosedListOrDescendingRangeIsAnErrorAndManyStarsStayLinear) {
    for (const char* pattern : {"[abc", "Get[", "[!", "[z-a]"})
        EXPECT_FALSE(JetPattern::compile(std::string_view(pattern))) << pattern;
    const std::string text(2000, 'a');
    std::string stars;
    for (int i = 0; i < 30; ++i) stars += "*a";
    EXPECT_FALSE(JetPattern::compile(stars + "*b")->matches(text));
    EXPECT_TRUE(JetPattern::compile(stars + "*b")->matches(text + "b"));
}
