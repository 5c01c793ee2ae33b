#include "gui/detail_box.h"

#include <gtest/gtest.h>

using tolvane::MultiLineBox;

TEST(MultiLineBoxTest, ShowsLineBreaksGivesThemBackAsCrLfAndKeepsUntouchedTextExactly) {
    MultiLineBox box(nullptr);
    box.setText(QStringLiteral("a\r\nb"));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("a\nb"));
    box.setPlainText(QStringLiteral("one\ntwo"));
    EXPECT_EQ(box.text(), QStringLiteral("one\r\ntwo"));
    // Stored texts may hold lone LF or CR; an untouched box must not rewrite them.
    const QString stored = QStringLiteral("x\ny\r\nz\rw\r\n");
    box.setText(stored);
    EXPECT_EQ(box.text(), stored);
    box.setPlainText(box.toPlainText() + QStringLiteral("!"));
    EXPECT_NE(box.text(), stored);
}
