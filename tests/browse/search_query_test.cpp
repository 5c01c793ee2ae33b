#include "browse/search_query.h"

#include "browse/search_window.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

const QString kUser32 = QStringLiteral("user32");
const QString kNamePrefix = QStringLiteral("SELECT name,ID FROM winfun WHERE name LIKE ");

}  // namespace

TEST(SearchQueryTest, ApostrophesAreDoubledInsideTheLiteral) {
    EXPECT_EQ(sqlTextLiteral(QStringLiteral("O'Neil")), QStringLiteral("'O''Neil'"));
    EXPECT_EQ(sqlTextLiteral(QStringLiteral("''")), QStringLiteral("''''''"));
    EXPECT_EQ(sqlTextLiteral(QString()), QStringLiteral("''"));
    // An attempt to end the literal and add a condition stays inside it.
    EXPECT_EQ(nameSearchQuery(QStringLiteral("x' or '1'='1"), 2, 0, {}).text(),
              kNamePrefix + QStringLiteral("'*x'' or ''1''=''1*'"));
}

TEST(SearchQueryTest, NameQueryKeepsThePatternLanguageUntouched) {
    EXPECT_EQ(nameSearchQuery(QStringLiteral("Get?[!a-c]#*Text"), 2, 0, {}).text(),
              kNamePrefix + QStringLiteral("'*Get?[!a-c]#*Text*'"));
}

TEST(SearchQueryTest, CategoryConditionIsPositionMinusTwoAndAbsentForAllCategories) {
    EXPECT_EQ(nameSearchQuery(QStringLiteral("a"), 0, 0, {}).text(),
              kNamePrefix + QStringLiteral("'*a*' and class=-2"));
    EXPECT_EQ(nameSearchQuery(QStringLiteral("a"), 1, 0, {}).text(),
              kNamePrefix + QStringLiteral("'*a*' and class=-1"));
    EXPECT_EQ(nameSearchQuery(QStringLiteral("a"), 3, 0, {}).text(),
              kNamePrefix + QStringLiteral("'*a*' and class=1"));
    EXPECT_EQ(nameSearchQuery(QStringLiteral("a"), 17, 0, {}).text(),
              kNamePrefix + QStringLiteral("'*a*' and class=15"));
    EXPECT_EQ(nameSearchQuery(QStringLiteral("a"), 2, 0, {}).text(), kNamePrefix + QStringLiteral("'*a*'"));
}

TEST(SearchQueryTest, DllConditionUsesTheEntryVerbatimAfterTheCategory) {
    EXPECT_EQ(nameSearchQuery(QStringLiteral("a"), 2, 10, kUser32).text(),
              kNamePrefix + QStringLiteral("'*a*' and libsclass='user32'"));
    EXPECT_EQ(nameSearchQuery(QStringLiteral("a"), 0, 1, QStringLiteral("advapi32.dll")).text(),
              kNamePrefix + QStringLiteral("'*a*' and class=-2 and libsclass='advapi32.dll'"));
    // Position 0 is "all libraries", whatever its text.
    EXPECT_EQ(nameSearchQuery(QStringLiteral("a"), 2, 0, kUser32).text(), kNamePrefix + QStringLiteral("'*a*'"));
}

TEST(SearchQueryTest, PartsKeepTheConditionWholeWithinAnIdRange) {
    // The full-text condition is a chain of ORs: the range must not bind to its last term only.
    const QString fullText = fullTextQuery(QStringLiteral("a")).part(10, 20);
    EXPECT_TRUE(fullText.startsWith(QStringLiteral("SELECT * FROM winfun WHERE (name LIKE '*a*' OR class")));
    EXPECT_TRUE(fullText.endsWith(QStringLiteral("parameter LIKE '*a*') AND ID>=10 AND ID<20")));
    EXPECT_EQ(nameSearchQuery(QStringLiteral("a"), 0, 0, {}).part(-5, std::nullopt),
              QStringLiteral("SELECT name,ID FROM winfun WHERE (name LIKE '*a*' and class=-2) AND ID>=-5"));
    EXPECT_EQ(firstIdQuery(std::nullopt), QStringLiteral("SELECT min(ID) AS v FROM winfun"));
    EXPECT_EQ(firstIdQuery(4096), QStringLiteral("SELECT min(ID) AS v FROM winfun WHERE ID>=4096"));
}

TEST(SearchQueryTest, FullTextQueryNamesTwelveColumnsInOrder) {
    const QString q = fullTextQuery(QStringLiteral("it's")).text();
    EXPECT_EQ(q, QStringLiteral(
                     "SELECT * FROM winfun WHERE name LIKE '*it''s*' OR class LIKE '*it''s*' OR "
                     "declare LIKE '*it''s*' OR recode LIKE '*it''s*' OR othername LIKE '*it''s*' OR "
                     "libsclass LIKE '*it''s*' OR win95 LIKE '*it''s*' OR winnt LIKE '*it''s*' OR "
                     "explain LIKE '*it''s*' OR returned LIKE '*it''s*' OR other LIKE '*it''s*' OR "
                     "parameter LIKE '*it''s*'"));
}

TEST(SearchQueryTest, StatusTexts) {
    EXPECT_EQ(searchingText(), QStringLiteral("Esc取消查询"));
    EXPECT_EQ(countText(0), QStringLiteral("找到 0 个相关函数."));
    // Counts past the old 16-bit limit are written in full.
    EXPECT_EQ(countText(1000000), QStringLiteral("找到 1000000 个相关函数."));
    EXPECT_EQ(positionText(QStringLiteral("GetDC"), 2, 120), QStringLiteral("GetDC 3/120"));
    EXPECT_EQ(positionText(QStringLiteral("x"), 40000, 70000), QStringLiteral("x 40001/70000"));
    EXPECT_EQ(recordQuery(42), QStringLiteral("select * from winfun where ID =42"));
}

TEST(SearchQueryTest, LeadingNumberReadsLikeVal) {
    EXPECT_EQ(leadingNumber(QStringLiteral("12")), 12);
    EXPECT_EQ(leadingNumber(QStringLiteral("  -3abc")), -3);
    EXPECT_EQ(leadingNumber(QStringLiteral("2.5")), 2.5);
    EXPECT_EQ(leadingNumber(QStringLiteral(".5x")), 0.5);
    EXPECT_EQ(leadingNumber(QStringLiteral("1e1")), 10);
    EXPECT_EQ(leadingNumber(QStringLiteral("4e")), 4);
    EXPECT_EQ(leadingNumber(QStringLiteral("-")), 0);
}

TEST(SearchQueryTest, CategoryPositionIsClassPlusOneWithinTheList) {
    EXPECT_EQ(categoryPosition(QVariant(qlonglong(-1)), 18), 0);
    EXPECT_EQ(categoryPosition(QVariant(qlonglong(16)), 18), 17);
    EXPECT_EQ(categoryPosition(QVariant(QStringLiteral("4")), 18), 5);
    // Halves round to the even neighbour: 1.5 + 1 and 2.5 + 1 both give 2 and 4.
    EXPECT_EQ(categoryPosition(QVariant(1.5), 18), 2);
    EXPECT_EQ(categoryPosition(QVariant(2.5), 18), 4);
    EXPECT_EQ(categoryPosition(QVariant(), 18), std::nullopt);
    EXPECT_EQ(categoryPosition(QVariant(qlonglong(17)), 18), std::nullopt);
    EXPECT_EQ(categoryPosition(QVariant(qlonglong(-2)), 18), std::nullopt);
    EXPECT_EQ(categoryPosition(QVariant(1e300), 18), std::nullopt);
}

TEST(SearchQueryTest, NavigationReadsOnlyTheRowsAStepNeeds) {
    using Move = NavigationPlan::Move;
    const auto first = navigationPlan(0, QStringLiteral("17"));
    EXPECT_EQ(first.sql, QStringLiteral("select ID from winfun order by ID limit 1"));
    EXPECT_FALSE(first.findOnView);
    EXPECT_EQ(first.move, Move::First);
    const auto last = navigationPlan(3, QStringLiteral("NotSet"));
    EXPECT_EQ(last.sql, QStringLiteral("select ID from winfun order by ID desc limit 1"));
    EXPECT_FALSE(last.findOnView);
    const auto previous = navigationPlan(1, QStringLiteral("17"));
    EXPECT_EQ(previous.sql, QStringLiteral("select ID from winfun where ID<17 order by ID desc limit 1"));
    EXPECT_EQ(previous.move, Move::First);
    const auto next = navigationPlan(2, QStringLiteral("17"));
    EXPECT_EQ(next.sql, QStringLiteral("select ID from winfun where ID>17 order by ID limit 1"));
    EXPECT_FALSE(next.findOnView);
}

TEST(SearchQueryTest, NavigationFromNoNumberFindsAndMovesFromTheFirstRecord) {
    for (const QString& onView : {QStringLiteral("NotSet"), QString(), QStringLiteral("1 or 1=1")}) {
        const auto next = navigationPlan(2, onView);
        EXPECT_EQ(next.sql, QStringLiteral("select ID from winfun order by ID limit 2"));
        EXPECT_TRUE(next.findOnView);
        EXPECT_EQ(next.move, NavigationPlan::Move::Next);
        EXPECT_EQ(navigationPlan(1, onView).move, NavigationPlan::Move::Previous);
    }
}
