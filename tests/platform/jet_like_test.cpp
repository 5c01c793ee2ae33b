#include "platform/error.h"
#include "platform/jet_like.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

#include <string>

using tolvane::Error;
using tolvane::JetPattern;
namespace err = tolvane::err;

namespace {

struct Case {
    const char* text;
    const char* pattern;
    bool matches;
};

void expectAll(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(JetPattern::compile(std::string_view(c.pattern)).matches(c.text), c.matches)
            << '"' << c.text << "\" LIKE \"" << c.pattern << '"';
}

}  // namespace

TEST(JetPatternTest, StarMatchesAnyRunIncludingNone) {
    expectAll({{"CreateWindowEx", "*Window*", true}, {"Window", "*Window*", true},
               {"CreateWidow", "*Window*", false},   {"", "*", true},
               {"GetDlgItemText", "Get*Text", true}, {"GetDlgItemTextA", "Get*Text", false},
               {"", "", true},                       {"a", "", false},
               // after a partial match the star takes one more character
               {"aab", "*ab", true},                 {"abac", "*ab", false},
               {"mississippi", "m*iss*ppi", true},   {"mississippi", "*issipi*", false},
               {"CreateWindoWindow", "*window", true}, {"中文窗窗口", "*窗口", true},
               {"ÄäÄb", "*äb", true},                {"ÄäÄc", "*äb", false}});
}

TEST(JetPatternTest, PlainTextBetweenStarsIsFoundAnywhereWithoutRegardToCase) {
    expectAll({{"createWINDOWex", "*Window*", true}, {"WinWindow", "*window*", true},
               {"Windo", "*Window*", false},         {"xWINDOw", "**window***", true},
               {"O'Brien's", "*'b*", true},          {"a_b", "*_B*", true},
               // non-ASCII text around an ASCII word, and a word that is not there
               {"中文Window窗口", "*WINDOW*", true}, {"中文Windo窗口", "*WINDOW*", false},
               // KELVIN SIGN and LONG S fold to k and s
               {"\u212Aey", "*key*", true},        {"ma\u017Fk", "*mask*", true}});
}

TEST(JetPatternTest, QuestionMarkAndHashAreOneCharacter) {
    expectAll({{"ABC", "A?C", true},     {"AC", "A?C", false},   {"ABBC", "A?C", false},
               {"中", "?", true},  // three UTF-8 bytes, one character
               {"窗口函数", "??函?", true}, {"", "*?*", false},
               {"\xff", "?", true},  // a stray byte counts as one character
               {"Win32", "Win##", true}, {"WinNT", "Win##", false}, {"Win3", "Win##", false},
               {"-1", "-#", true}});
}

TEST(JetPatternTest, BracketListsRangesAndNegation) {
    expectAll({{"bx", "[abc]x", true},  {"dx", "[abc]x", false}, {"dx", "[!abc]x", true},
               {"ax", "[!abc]x", false}, {"q", "[a-z]", true},   {"5", "[a-z]", false},
               {"5", "[!a-z]", true},    {"7", "[0-35-9]", true}, {"4", "[0-35-9]", false},
               // a hyphen first or last, and wildcards inside, stand for themselves
               {"-", "[-a]", true},      {"-", "[a-]", true},     {"a*b", "a[*]b", true},
               {"axb", "a[*]b", false},  {"a?b", "a[?]b", true},  {"#1", "[#]#", true},
               {"[x", "[[]x", true},
               // "[]" is no character at all, "[!]" any one
               {"ab", "a[]b", true},     {"axb", "a[!]b", true}});
}

TEST(JetPatternTest, LettersIgnoreCaseAlsoOutsideAsciiAndSqlWildcardsAreLiteral) {
    expectAll({{"getwindowtext", "*WINDOW*", true}, {"B", "[a-c]", true}, {"b", "[A-C]", true},
               {"ÄRGER", "ärger", true},            {"ПРИВЕТ", "*привет*", true},
               {"ΣΟΦΙΑ", "σοφια", true},            {"É", "[é]", true},   {"E", "é", false},
               {"100%", "100%", true},              {"1000", "100%", false},
               {"axb", "a_b", false},               {"a]b", "a]b", true}});
}

TEST(JetPatternTest, UnclosedBracketOrDescendingRangeIsInvalid) {
    for (const char* pattern : {"[abc", "Get[", "[!", "[z-a]"}) {
        try {
            JetPattern::compile(std::string_view(pattern));
            ADD_FAILURE() << pattern;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), err::InvalidPattern) << pattern;
        }
    }
}

TEST(JetPatternTest, ManyStarsDoNotBacktrackExponentially) {
    const std::string text(2000, 'a');
    std::string stars;
    for (int i = 0; i < 30; ++i) stars += "*a";
    EXPECT_FALSE(JetPattern::compile(stars + "*b").matches(text));
    EXPECT_TRUE(JetPattern::compile(stars + "*b").matches(text + "b"));
}

// The same language through SQL, as the searches use it.
class JetLikeSqlTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = dir.open(QStringLiteral(
            "INSERT INTO winfun (name, class, explain, declare, other, libsclass) VALUES "
            "('GetWindowText', 3, '取窗口文本', 'Declare Function GetWindowTextA', 'x', 'user32'),"
            "('getwindowlong', 3, NULL, NULL, NULL, 'user32'),"
            "('SetCursorPos', 12, '', 'Declare', 'Window', 'user32'),"
            "(NULL, -1, 'Window', NULL, NULL, NULL);"));
    }
    QStringList names(const QString& sql) {
        QStringList result;
        for (auto rs = db->openRecordset(sql); !rs->eof(); rs->moveNext())
            result << rs->field(QStringLiteral("name")).toString();
        return result;
    }
    tolvane::test::CatalogueDir dir;
    std::unique_ptr<tolvane::Database> db;
};

TEST_F(JetLikeSqlTest, NameSearchQueriesUseTheLanguage) {
    EXPECT_EQ(names("SELECT name,ID FROM winfun WHERE name LIKE '*WINDOW*'"),
              QStringList({"GetWindowText", "getwindowlong"}));
    EXPECT_EQ(names("SELECT name,ID FROM winfun WHERE name LIKE '*Get*' and class=3 and "
                    "libsclass='user32'"),
              QStringList({"GetWindowText", "getwindowlong"}));
    EXPECT_EQ(names("SELECT name,ID FROM winfun WHERE name LIKE '*%*'"), QStringList());
    EXPECT_EQ(names("SELECT name,ID FROM winfun WHERE name LIKE '*[!a-z]*'"), QStringList());
}

TEST_F(JetLikeSqlTest, NullNeverMatchesNotEvenStarOrNotLike) {
    EXPECT_EQ(names("SELECT name FROM winfun WHERE name LIKE '*'").size(), 3);
    EXPECT_EQ(names("SELECT name FROM winfun WHERE NOT (name LIKE 'x*')").size(), 3);
}

TEST_F(JetLikeSqlTest, IntegerColumnsMatchThroughTheirText) {
    EXPECT_EQ(names("SELECT name FROM winfun WHERE class LIKE '1#'"), QStringList({"SetCursorPos"}));
    EXPECT_EQ(names("SELECT name FROM winfun WHERE class LIKE '-#'").size(), 1);
}

TEST_F(JetLikeSqlTest, FullTextQueryOverKeywordLikeColumnNames) {
    const QString x = QStringLiteral("Window");
    const QString sql = QStringLiteral(
        "SELECT * FROM winfun WHERE name LIKE '*%1*' OR class LIKE '*%1*' OR declare LIKE '*%1*' "
        "OR explain LIKE '*%1*' OR other LIKE '*%1*'").arg(x);
    auto rs = db->openRecordset(sql);
    int rows = 0;
    for (; !rs->eof(); rs->moveNext()) ++rows;
    EXPECT_EQ(rows, 4);
}

TEST_F(JetLikeSqlTest, MalformedPatternIsAnErrorNotACrash) {
    try {
        db->openRecordset(QStringLiteral("SELECT name FROM winfun WHERE name LIKE '*[ab*'"));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), err::InvalidPattern);
        EXPECT_EQ(e.description(), tolvane::describeError(err::InvalidPattern));
    }
}
