#include "editing_fixture.h"

#include "browse/twips.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

QString q(const char* s) { return QString::fromUtf8(s); }

class CopyTest : public test::EditingTest {};
class FocusEntryTest : public test::EditingTest {};

}  // namespace

TEST_F(CopyTest, TheDeclarationBoxBecomesAPrivateDeclarationOfTheChosenForm) {
    // No box has had the focus yet: the declaration box is the current one.
    box(3).setText(q("Declare Function GetTickCount Lib \"kernel32\" () As Long"));
    form->Command3->click();
    EXPECT_EQ(clipboard.clears, 1);
    EXPECT_EQ(clipboard.text, q("Private Declare Function GetTickCount Lib \"kernel32\" () As Long\r\n"));

    form->Option1[1]->setChecked(true);
    box(3).setText(q("[DllImport(\"kernel32.dll\")]\r\nstatic extern uint GetTickCount();"));
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("[DllImport(\"kernel32.dll\")]\r\nprivate static extern uint GetTickCount();\r\n"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(CopyTest, TypedLineBreaksReachTheClipboardAsCrLf) {
    auto* edit = static_cast<QPlainTextEdit*>(box(3).widget());
    edit->setPlainText(q("[DllImport(\"a\")]\nstatic extern void A();\nstatic extern void B();"));
    form->Option1[1]->setChecked(true);
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("[DllImport(\"a\")]\r\nprivate static extern void A();\r\n"
                                "private static extern void B();\r\n"));
}

TEST_F(CopyTest, OtherBoxesAreCopiedAsTheyStandInEitherForm) {
    box(0).setText(q("Sleep"));
    box(5).setText(q("Sleep 500\r\n"));
    form->TOut_GotFocus(0);
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("Sleep\r\n"));
    form->Option1[1]->setChecked(true);
    form->TOut_GotFocus(5);
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("Sleep 500\r\n\r\n"));
}

TEST_F(CopyTest, AClipboardThatFailsIsReportedAndKeepsItsContent) {
    clipboard.text = q("earlier");
    clipboard.failing = true;
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("earlier"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, q("无法打开剪贴板。"));
    EXPECT_EQ(dialogs.shown[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
    // The window goes on working once the clipboard does.
    clipboard.failing = false;
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("Private \r\n"));
}

TEST_F(FocusEntryTest, TracksTheCurrentBoxAndPutsTheButtonsAtItsLowerEdge) {
    const int firstTop = form->Command3->y();
    const int copyLeft = form->Command3->x(), enlargeLeft = form->Command6->x();
    EXPECT_EQ(firstTop, px(3480));
    EXPECT_EQ(form->Command6->y(), firstTop);

    // Name box: recorded, but the buttons stay.
    form->TOut_GotFocus(0);
    EXPECT_EQ(form->CurOut, 0);
    EXPECT_EQ(form->Command3->y(), firstTop);

    const int expectedTwips[8] = {0, 870, 2280, 3480, 4920, 6060, 6810, 870};
    for (int i = 1; i < 8; ++i) {
        SCOPED_TRACE(i);
        form->TOut_GotFocus(i);
        EXPECT_EQ(form->CurOut, i);
        EXPECT_EQ(form->Command3->y(), px(expectedTwips[i]));
        EXPECT_EQ(form->Command6->y(), px(expectedTwips[i]));
        EXPECT_EQ(form->Command3->x(), copyLeft);
        EXPECT_EQ(form->Command6->x(), enlargeLeft);
    }
}

TEST_F(FocusEntryTest, RealFocusChangesRunIt) {
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    box(5).widget()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form->CurOut, 5);
    EXPECT_EQ(form->Command3->y(), px(6060));
    box(5).setText(q("recode"));
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("recode\r\n"));
}
