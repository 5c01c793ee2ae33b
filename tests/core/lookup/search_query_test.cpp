#include "core/lookup/search_query.h"
#include "core/store/vocabulary.h"

#include "support/window_user.h"

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
        // The pattern's wrapping and quoting, the category as position minus two
        // and the library's text are proven by the window's searches; here the
        // last category and both filters together.
        {"a", 17, 0, "", "'*a*' and class=15"},
        {"a", 0, 1, "advapi32.dll", "'*a*' and class=-2 and libsclass='advapi32.dll'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nameSearchQuery(QString::fromUtf8(c.pattern), c.category, c.dll,
                                  QString::fromUtf8(c.dllText))
                      .text(),
                  prefix + QString::fromUtf8(c.where));
    EXPECT_EQ(sqlTextLiteral(QString()), QStringLiteral("''"));
}

// A part of a search reads one ID range; the range binds to the whole
// condition, also to a chain of ORs.
TEST(SearchQueryTest, PartsKeepTheConditionWholeWithinAnIdRange) {
    const QString part = fullTextQuery(QStringLiteral("a")).idPart(10, 20);
    EXPECT_TRUE(
        part.startsWith(QStringLiteral("SELECT * FROM winfun WHERE (name LIKE '*a*' OR class")));
    EXPECT_TRUE(part.endsWith(QStringLiteral("parameter LIKE '*a*') AND ID>=10 AND ID<=20")));
    EXPECT_EQ(nameSearchQuery(QStringLiteral("a"), 0, 0, {}).idPart(-5, std::nullopt),
              QStringLiteral(
                  "SELECT name,ID FROM winfun WHERE (name LIKE '*a*' and class=-2) AND ID>=-5"));
    // The 64-bit VBA column is searched only in a catalogue that has it.
    EXPECT_FALSE(part.contains(QStringLiteral("vba64")));
    EXPECT_TRUE(fullTextQuery(QStringLiteral("a"), OptionalColumns{true})
                    .text()
                    .endsWith(QStringLiteral("parameter LIKE '*a*' OR vba64 LIKE '*a*'")));
}

TEST(SearchQueryTest, StatusTextsAndNumbersReadFromRecords) {
    EXPECT_EQ(countText(1000000),
              QStringLiteral("找到 1000000 个相关函数."));  // past the old 16-bit limit
    const std::pair<const char*, double> numbers[] = {
        {"12", 12}, {"  -3abc", -3}, {"2.5", 2.5}, {".5x", 0.5}, {"1e1", 10}, {"4e", 4}, {"-", 0}};
    for (const auto& [text, number] : numbers)
        EXPECT_EQ(leadingNumber(QString::fromLatin1(text)), number) << text;
    // The category list position is class + 1, halves rounding to even; none outside the list.
    const std::pair<QVariant, std::optional<int>> classes[] = {{qlonglong(-1), 0},
                                                               {qlonglong(16), 17},
                                                               {QStringLiteral("4"), 5},
                                                               {1.5, 2},
                                                               {2.5, 4},
                                                               {QVariant(), std::nullopt},
                                                               {qlonglong(17), std::nullopt},
                                                               {qlonglong(-2), std::nullopt},
                                                               {1e300, std::nullopt}};
    for (const auto& [cls, position] : classes)
        EXPECT_EQ(categoryPosition(cls), position) << cls.toString().toStdString();
}
