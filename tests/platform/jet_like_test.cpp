#include "platform/error.h"
#include "platform/jet_like.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

#include <string>

using tolvane::Error;
using tolvane::JetPattern;
namespace err = tolvane::err;

namespace {

bool like(const std::string& text, const std::string& pattern) {
    return JetPattern::compile(pattern).matches(text);
}

int invalidPatternNumber(const std::string& pattern) {
    try {
        JetPattern::compile(pattern);
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(JetPatternTest, StarMatchesAnyRunIncludingNone) {
    EXPECT_TRUE(like("CreateWindowEx", "*Window*"));
    EXPECT_TRUE(like("Window", "*Window*"));
    EXPECT_FALSE(like("CreateWidow", "*Window*"));
    EXPECT_TRUE(like("", "*"));
    EXPECT_TRUE(like("GetDlgItemText", "Get*Text"));
    EXPECT_FALSE(like("GetDlgItemTextA", "Get*Text"));
    EXPECT_TRUE(like("", ""));
    EXPECT_FALSE(like("a", ""));
}

TEST(JetPatternTest, StarRetriesAfterPartialMatches) {
    EXPECT_TRUE(like("aab", "*ab"));
    EXPECT_TRUE(like("abab", "*ab"));
    EXPECT_FALSE(like("abac", "*ab"));
    EXPECT_TRUE(like("mississippi", "*issip*"));
    EXPECT_TRUE(like("mississippi", "m*iss*ppi"));
    EXPECT_FALSE(like("mississippi", "*issipi*"));
    EXPECT_TRUE(like("CreateWindoWindow", "*window"));
    EXPECT_TRUE(like("中文窗窗口", "*窗口"));
    EXPECT_TRUE(like("ÄäÄb", "*äb"));
    EXPECT_FALSE(like("ÄäÄc", "*äb"));
}

TEST(JetPatternTest, QuestionMarkIsExactlyOneCharacterEvenBeyondAscii) {
    EXPECT_TRUE(like("ABC", "A?C"));
    EXPECT_FALSE(like("AC", "A?C"));
    EXPECT_FALSE(like("ABBC", "A?C"));
    EXPECT_TRUE(like("中", "?"));           // three UTF-8 bytes, one character
    EXPECT_TRUE(like("窗口函数", "??函?"));
    EXPECT_FALSE(like("", "*?*"));
    EXPECT_TRUE(like("\xff", "?"));          // a stray byte counts as one character
}

TEST(JetPatternTest, HashIsOneDigit) {
    EXPECT_TRUE(like("Win32", "Win##"));
    EXPECT_FALSE(like("WinNT", "Win##"));
    EXPECT_FALSE(like("Win3", "Win##"));
    EXPECT_TRUE(like("-1", "-#"));
}

TEST(JetPatternTest, BracketListsRangesAndNegation) {
    EXPECT_TRUE(like("bx", "[abc]x"));
    EXPECT_FALSE(like("dx", "[abc]x"));
    EXPECT_TRUE(like("dx", "[!abc]x"));
    EXPECT_FALSE(like("ax", "[!abc]x"));
    EXPECT_TRUE(like("q", "[a-z]"));
    EXPECT_FALSE(like("5", "[a-z]"));
    EXPECT_TRUE(like("5", "[!a-z]"));
    EXPECT_TRUE(like("7", "[0-35-9]"));
    EXPECT_FALSE(like("4", "[0-35-9]"));
    // A hyphen first or last stands for itself.
    EXPECT_TRUE(like("-", "[-a]"));
    EXPECT_TRUE(like("-", "[a-]"));
    // Wildcards inside brackets stand for themselves.
    EXPECT_TRUE(like("a*b", "a[*]b"));
    EXPECT_FALSE(like("axb", "a[*]b"));
    EXPECT_TRUE(like("a?b", "a[?]b"));
    EXPECT_TRUE(like("#1", "[#]#"));
    EXPECT_TRUE(like("[x", "[[]x"));
    // "[]" is no character at all, "[!]" any one.
    EXPECT_TRUE(like("ab", "a[]b"));
    EXPECT_TRUE(like("axb", "a[!]b"));
}

TEST(JetPatternTest, LettersIgnoreCaseAlsoOutsideAscii) {
    EXPECT_TRUE(like("getwindowtext", "*WINDOW*"));
    EXPECT_TRUE(like("B", "[a-c]"));
    EXPECT_TRUE(like("b", "[A-C]"));
    EXPECT_TRUE(like("ÄRGER", "ärger"));
    EXPECT_TRUE(like("ПРИВЕТ", "*привет*"));
    EXPECT_TRUE(like("ΣΟΦΙΑ", "σοφια"));
    EXPECT_TRUE(like("É", "[é]"));
    EXPECT_FALSE(like("E", "é"));
}

TEST(JetPatternTest, SqlWildcardsAreOrdinaryCharacters) {
    EXPECT_TRUE(like("100%", "100%"));
    EXPECT_FALSE(like("1000", "100%"));
    EXPECT_FALSE(like("axb", "a_b"));
    EXPECT_TRUE(like("a_b", "a_b"));
    EXPECT_TRUE(like("a]b", "a]b"));
}

TEST(JetPatternTest, UnclosedBracketOrDescendingRangeIsInvalid) {
    EXPECT_EQ(invalidPatternNumber("[abc"), err::InvalidPattern);
    EXPECT_EQ(invalidPatternNumber("Get["), err::InvalidPattern);
    EXPECT_EQ(invalidPatternNumber("[!"), err::InvalidPattern);
    EXPECT_EQ(invalidPatternNumber("[z-a]"), err::InvalidPattern);
    EXPECT_EQ(invalidPatternNumber("[a-z]*"), 0);
}

TEST(JetPatternTest, ManyStarsDoNotBacktrackExponentially) {
    const std::string text(2000, 'a');
    std::string pattern;
    for (int i = 0; i < 30; ++i) pattern += "*a";
    EXPECT_FALSE(like(text, pattern + "*b"));
    EXPECT_TRUE(like(text + "b", pattern + "*b"));
    EXPECT_TRUE(like(text, pattern + "*"));
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
