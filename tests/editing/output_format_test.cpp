#include "editing_fixture.h"

#include "browse/twips.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

QString q(const char* s) { return QString::fromUtf8(s); }

class OutputTest : public test::EditingTest {};

}  // namespace

TEST_F(OutputTest, CopyReadsTheCurrentBoxWithCrLfLineBreaks) {
    // Before any focus the declaration box is the current one.
    static_cast<QPlainTextEdit*>(box(3).widget())->setPlainText(q("[A]\nstatic extern void A();"));
    form->Option1[1]->setChecked(true);
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("[A]\r\nprivate static extern void A();\r\n"));
    EXPECT_EQ(clipboard.clears, 1);

    box(0).setText(q("Sleep"));
    form->TOut_GotFocus(0);
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("Sleep\r\n"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(OutputTest, AClipboardThatFailsIsReportedAndKeepsItsContent) {
    clipboard.text = q("earlier");
    clipboard.failing = true;
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("earlier"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, q("无法打开剪贴板。"));
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
    clipboard.failing = false;  // and the copy works again afterwards
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("Private \r\n"));
}

TEST_F(OutputTest, FocusEntryTracksTheBoxAndPutsTheButtonsAtItsLowerEdge) {
    const QPoint copyAt = form->Command3->pos(), enlargeAt = form->Command6->pos();
    EXPECT_EQ(copyAt.y(), px(3480));
    form->TOut_GotFocus(0);  // recorded, but the buttons stay
    EXPECT_EQ(form->CurOut, 0);
    EXPECT_EQ(form->Command3->pos(), copyAt);

    const int expectedTwips[8] = {0, 870, 2280, 3480, 4920, 6060, 6810, 870};
    for (int i = 1; i < 8; ++i) {
        form->TOut_GotFocus(i);
        EXPECT_EQ(form->CurOut, i);
        EXPECT_EQ(form->Command3->pos(), QPoint(copyAt.x(), px(expectedTwips[i]))) << i;
        EXPECT_EQ(form->Command6->pos(), QPoint(enlargeAt.x(), px(expectedTwips[i]))) << i;
    }
    // The window's focus events run it.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(box(5).widget(), &focusIn);
    EXPECT_EQ(form->CurOut, 5);
    EXPECT_EQ(form->Command3->y(), px(6060));
}

TEST_F(OutputTest, SwitchingWithNoRecordOnViewOnlyRenamesTheColumn) {
    box(3).setText(q("Declare Sub A ()"));
    form->Option1[1]->setChecked(true);
    EXPECT_EQ(box(3).tag(), q("CSharp"));
    EXPECT_EQ(box(3).text(), q("Declare Sub A ()"));
    form->Option1[0]->setChecked(true);
    EXPECT_EQ(box(3).tag(), q("declare"));
    EXPECT_TRUE(dialogs.shown.empty());
}
