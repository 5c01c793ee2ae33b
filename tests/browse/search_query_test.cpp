#include "browse/search_query.h"

#include "browse/search_window.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(SearchQueryTest, NameQueryKeepsThePatternInOneLiteralAndAddsTheFilters) {
    const QString prefix = QStringLiteral("SELECT name,ID FROM winfun WHERE name LIKE ");
    const struct {
        const char* pattern;
        int category, dll;
        const char* dllText;
        const char* where;
    } cases[] = {
        {"Get?[!a-c]#*Text", 2, 0, "", "'*Get?[!a-c]#*Text*'"},
        // an attempt to end the literal and add a condition stays inside it
        {"x' or '1'='1", 2, 0, "", "'*x'' or ''1''=''1*'"},
        // the category is the position minus two, none for all categories
        {"a", 0, 0, "", "'*a*' and class=-2"}, {"a", 1, 0, "", "'*a*' and class=-1"},
        {"a", 3, 0, "", "'*a*' and class=1"}, {"a", 17, 0, "", "'*a*' and class=15"},
        {"a", 2, 0, "", "'*a*'"},
        // the library is the entry's text verbatim; position 0 is all libraries
        {"a", 2, 10, "user32", "'*a*' and libsclass='user32'"},
        {"a", 0, 1, "advapi32.dll", "'*a*' and class=-2 and libsclass='advapi32.dll'"},
        {"a", 2, 0, "user32", "'*a*'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nameSearchQuery(QString::fromUtf8(c.pattern), c.category, c.dll, QString::fromUtf8(c.dllText)).text(),
                  prefix + QString::fromUtf8(c.where));
    EXPECT_EQ(sqlTextLiteral(QString()), QStringLiteral("''"));
}

TEST(SearchQueryTest, FullTextQueryAndIdRangeParts) {
    EXPECT_EQ(fullTextQuery(QStringLiteral("it's")).text(),
              QStringLiteral("SELECT * FROM winfun WHERE name LIKE '*it''s*' OR class LIKE '*it''s*' OR "
                             "declare LIKE '*it''s*' OR recode LIKE '*it''s*' OR othername LIKE '*it''s*' OR "
                             "libsclass LIKE '*it''s*' OR win95 LIKE '*it''s*' OR winnt LIKE '*it''s*' OR "
                             "explain LIKE '*it''s*' OR returned LIKE '*it''s*' OR other LIKE '*it''s*' OR "
                             "parameter LIKE '*it''s*'"));
    // The range binds to the whole chain of ORs, not to its last term.
    const QString part = fullTextQuery(QStringLiteral("a")).part(10, 20);
    EXPECT_TRUE(part.startsWith(QStringLiteral("SELECT * FROM winfun WHERE (name LIKE '*a*' OR class")));
    EXPECT_TRUE(part.endsWith(QStringLiteral("parameter LIKE '*a*') AND ID>=10 AND ID<20")));
    EXPECT_EQ(nameSearchQuery(QStringLiteral("a"), 0, 0, {}).part(-5, std::nullopt),
              QStringLiteral("SELECT name,ID FROM winfun WHERE (name LIKE '*a*' and class=-2) AND ID>=-5"));
    EXPECT_EQ(firstIdQuery(std::nullopt), QStringLiteral("SELECT min(ID) AS v FROM winfun"));
    EXPECT_EQ(firstIdQuery(4096), QStringLiteral("SELECT min(ID) AS v FROM winfun WHERE ID>=4096"));
}

TEST(SearchQueryTest, StatusTextsAndNumbersReadFromRecords) {
    EXPECT_EQ(searchingText(), QStringLiteral("Esc取消查询"));
    EXPECT_EQ(countText(1000000), QStringLiteral("找到 1000000 个相关函数."));  // past the old 16-bit limit
    EXPECT_EQ(positionText(QStringLiteral("x"), 40000, 70000), QStringLiteral("x 40001/70000"));
    EXPECT_EQ(recordQuery(42), QStringLiteral("select * from winfun where ID =42"));
    const std::pair<const char*, double> numbers[] = {{"12", 12},  {"  -3abc", -3}, {"2.5", 2.5}, {".5x", 0.5},
                                                      {"1e1", 10}, {"4e", 4},       {"-", 0}};
    for (const auto& [text, number] : numbers) EXPECT_EQ(leadingNumber(QString::fromLatin1(text)), number) << text;
    // The category list position is class + 1, halves rounding to even; none outside the list.
    const std::pair<QVariant, std::optional<int>> classes[] = {
        {qlonglong(-1), 0}, {qlonglong(16), 17}, {QStringLiteral("4"), 5}, {1.5, 2}, {2.5, 4},
        {QVariant(), std::nullopt}, {qlonglong(17), std::nullopt}, {qlonglong(-2), std::nullopt},
        {1e300, std::nullopt}};
    for (const auto& [cls, position] : classes)
        EXPECT_EQ(categoryPosition(cls, 18), position) << cls.toString().toStdString();
}

// Each step reads at most the rows it needs; without a number on view it
// finds the record from the first one.
TEST(SearchQueryTest, NavigationPlans) {
    using Move = NavigationPlan::Move;
    const struct {
        int button;
        const char* onView;
        const char* sql;
        bool findOnView;
        Move move;
    } cases[] = {
        {0, "17", "select ID from winfun order by ID limit 1", false, Move::First},
        {3, "NotSet", "select ID from winfun order by ID desc limit 1", false, Move::Last},
        {1, "17", "select ID from winfun where ID<17 order by ID desc limit 1", false, Move::First},
        {2, "17", "select ID from winfun where ID>17 order by ID limit 1", false, Move::First},
        {2, "NotSet", "select ID from winfun order by ID limit 2", true, Move::Next},
        {2, "", "select ID from winfun order by ID limit 2", true, Move::Next},
        {2, "1 or 1=1", "select ID from winfun order by ID limit 2", true, Move::Next},
        {1, "NotSet", "select ID from winfun order by ID limit 2", true, Move::Previous},
    };
    for (const auto& c : cases) {
        const NavigationPlan plan = navigationPlan(c.button, QString::fromLatin1(c.onView));
        EXPECT_EQ(plan.sql, QString::fromLatin1(c.sql)) << c.button << ' ' << c.onView;
        EXPECT_EQ(plan.findOnView, c.findOnView) << c.button << ' ' << c.onView;
        EXPECT_EQ(plan.move, c.move) << c.button << ' ' << c.onView;
    }
}
