#include "browse/add_items.h"

#include <QComboBox>
#include <QSignalSpy>
#include <gtest/gtest.h>

using tolvane::AddItems;

namespace {

QStringList entries(const QComboBox& c) {
    QStringList out;
    for (int i = 0; i < c.count(); ++i) out << c.itemText(i);
    return out;
}

}  // namespace

TEST(AddItemsTest, SplitsAtEverySeparatorKeepingEmptyPieces) {
    QComboBox c;
    AddItems(QStringLiteral("a~~b~"), &c, QStringLiteral("~"), -1);
    EXPECT_EQ(entries(c), (QStringList{"a", "", "b", ""}));
    EXPECT_EQ(c.currentIndex(), -1);
}

TEST(AddItemsTest, EmptyTextLeavesTheControlAsItWas) {
    QComboBox c;
    c.addItems({"x", "y"});
    c.setCurrentIndex(1);
    QSignalSpy clicks(&c, &QComboBox::activated);
    AddItems(QString(), &c, QStringLiteral("~"), 0);
    EXPECT_EQ(entries(c), (QStringList{"x", "y"}));
    EXPECT_EQ(c.currentIndex(), 1);
    EXPECT_EQ(clicks.count(), 0);
}

TEST(AddItemsTest, ReplacesEntriesAndSelectionRaisesTheClickHandling) {
    QComboBox c;
    c.addItems({"old"});
    QSignalSpy clicks(&c, &QComboBox::activated);
    AddItems(QStringLiteral("p~q~r"), &c, QStringLiteral("~"), 2);
    EXPECT_EQ(entries(c), (QStringList{"p", "q", "r"}));
    EXPECT_EQ(c.currentIndex(), 2);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 2);
}

TEST(AddItemsTest, PositionPastTheEndSelectsNothing) {
    QComboBox c;
    QSignalSpy clicks(&c, &QComboBox::activated);
    AddItems(QStringLiteral("p~q"), &c, QStringLiteral("~"), 5);
    EXPECT_EQ(c.currentIndex(), -1);
    EXPECT_EQ(clicks.count(), 0);
}

TEST(AddItemsTest, EditableComboShowsTheSelectedPresetAsItsText) {
    QComboBox c;
    c.setEditable(true);
    AddItems(QStringLiteral("*~Get~Set~*Window"), &c, QStringLiteral("~"), 0);
    EXPECT_EQ(c.currentText(), QStringLiteral("*"));
}
