#include "platform/error.h"
#include "platform/jet_like.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

#include <string>

using tolvane::JetPattern;
namespace err = tolvane::err;
using tolvane::test::failureOf;

TEST(JetPatternTest, WildcardsListsAndCase) {
    const struct {
        const char *text, *pattern;
        bool matches;
    } cases[] = {
        // "*": any run, also none; after a partial match it takes one more character
        {"CreateWindowEx", "*Window*", true}, {"CreateWidow", "*Window*", false}, {"", "*", true},
        {"GetDlgItemTextA", "Get*Text", false}, {"a", "", false}, {"aab", "*ab", true},
        {"mississippi", "m*iss*ppi", true}, {"中文窗窗口", "*窗口", true}, {"ÄäÄc", "*äb", false},
        // plain text between stars, found directly, also between non-ASCII text
        {"xWINDOw", "**window***", true}, {"中文Window窗口", "*WINDOW*", true}, {"中文Windo窗口", "*WINDOW*", false},
        // KELVIN SIGN and LONG S fold to k and s
        {"\u212Aey", "*key*", true}, {"ma\u017Fk", "*mask*", true},
        // "?" one character (a UTF-8 sequence or a stray byte), "#" one digit
        {"ABBC", "A?C", false}, {"窗口函数", "??函?", true}, {"\xff", "?", true}, {"WinNT", "Win##", false},
        // lists, ranges, negation; "-" first or last and wildcards inside stand for themselves
        {"dx", "[abc]x", false}, {"ax", "[!abc]x", false}, {"7", "[0-35-9]", true}, {"4", "[0-35-9]", false},
        {"-", "[a-]", true}, {"axb", "a[*]b", false}, {"[x", "[[]x", true}, {"axb", "a[!]b", true},
        // letters ignore case also outside ASCII; SQL's own wildcards are literal
        {"b", "[A-C]", true}, {"ПРИВЕТ", "*привет*", true}, {"E", "é", false}, {"1000", "100%", false},
        {"axb", "a_b", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JetPattern::compile(std::string_view(c.pattern)).matches(c.text), c.matches)
            << '"' << c.text << "\" LIKE \"" << c.pattern << '"';
}

TEST(JetPatternTest, UnclosedListOrDescendingRangeIsAnErrorAndManyStarsStayLinear) {
    for (const char* pattern : {"[abc", "Get[", "[!", "[z-a]"})
        EXPECT_EQ(failureOf([&] { JetPattern::compile(std::string_view(pattern)); }),
                  err::InvalidPattern)
            << pattern;
    const std::string text(2000, 'a');
    std::string stars;
    for (int i = 0; i < 30; ++i) stars += "*a";
    EXPECT_FALSE(JetPattern::compile(stars + "*b").matches(text));
    EXPECT_TRUE(JetPattern::compile(stars + "*b").matches(text + "b"));
}

// The same language through SQL, as the searches use it: Null never
// matches, not even "*" or NOT LIKE; integers match through their text.
TEST(JetLikeSqlTest, NullNeverMatchesAndIntegersMatchAsText) {
    tolvane::test::CatalogueDir dir;
    auto db = dir.open(QStringLiteral("INSERT INTO winfun (name, class) VALUES ('a', 12), (NULL, -1);"));
    const auto names = [&](const char* where) {
        return tolvane::test::columnOf(*db, QStringLiteral("SELECT name FROM winfun WHERE ") + where);
    };
    EXPECT_EQ(names("name LIKE '*'"), QStringList{"a"});
    EXPECT_EQ(names("NOT (name LIKE 'x*')"), QStringList{"a"});
    EXPECT_EQ(names("class LIKE '1#'"), QStringList{"a"});
    EXPECT_EQ(names("class LIKE '-#'"), QStringList{""});
    EXPECT_EQ(failureOf([&] { names("name LIKE '*[ab*'"); }), err::InvalidPattern);
}
