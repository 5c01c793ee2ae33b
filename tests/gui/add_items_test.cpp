#include "gui/add_items.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QSignalSpy>

using tolvane::addItems;

// Each piece becomes an entry, also an empty one; a position in the list
// selects its entry as a user's pick would; an empty text changes nothing.
TEST(AddItemsTest, FillsTheListAndSelectsAsAPick) {
    const struct {
        const char* text;
        int position;
        QStringList entries;
        int selected, clicks;
    } cases[] = {
        {"a~~b~", -1, {"a", "", "b", ""}, -1, 0},
        {"p~q~r", 2, {"p", "q", "r"}, 2, 1},
        {"p~q", 5, {"p", "q"}, -1, 0},
        {"", 0, {"x", "y"}, 1, 0},
    };
    for (const auto& c : cases) {
        QComboBox box;
        box.addItems({"x", "y"});
        box.setCurrentIndex(1);
        QSignalSpy clicks(&box, &QComboBox::activated);
        addItems(QString::fromLatin1(c.text), &box, QStringLiteral("~"), c.position);
        QStringList entries;
        for (int i = 0; i < box.count(); ++i) entries << box.itemText(i);
        EXPECT_EQ(entries, c.entries) << c.text;
        EXPECT_EQ(box.currentIndex(), c.selected) << c.text;
        EXPECT_EQ(clicks.count(), c.clicks) << c.text;
        if (c.clicks) {
            EXPECT_EQ(clicks.at(0).at(0).toInt(), c.position);
        }
    }
    QComboBox editable;  // shows the selected preset as its text
    editable.setEditable(true);
    addItems(QStringLiteral("*~Get~Set~*Window"), &editable, QStringLiteral("~"), 0);
    EXPECT_EQ(editable.currentText(), QStringLiteral("*"));
}
