#include "editing_window.h"

#include "browse/twips.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {
QString q(const char* s) { return QString::fromUtf8(s); }
}  // namespace

TEST(CopyButtonTest, CopiesTheDeclarationBoxAsAPrivateDeclarationOfTheChosenForm) {
    EditingWindow w;
    // No box has had the focus yet: the declaration box is the current one.
    w.box(3).setText(q("Declare Function GetTickCount Lib \"kernel32\" () As Long"));
    w.form.Command3->click();
    EXPECT_EQ(w.clipboard.clears, 1);
    EXPECT_EQ(w.clipboard.text, q("Private Declare Function GetTickCount Lib \"kernel32\" () As Long\r\n"));

    w.form.Option1[1]->setChecked(true);
    w.box(3).setText(q("[DllImport(\"kernel32.dll\")]\r\nstatic extern uint GetTickCount();"));
    w.form.Command3->click();
    EXPECT_EQ(w.clipboard.text, q("[DllImport(\"kernel32.dll\")]\r\nprivate static extern uint GetTickCount();\r\n"));
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST(CopyButtonTest, TypedLineBreaksReachTheClipboardAsCrLf) {
    EditingWindow w;
    auto* edit = static_cast<QPlainTextEdit*>(w.box(3).widget());
    edit->setPlainText(q("[DllImport(\"a\")]\nstatic extern void A();\nstatic extern void B();"));
    w.form.Option1[1]->setChecked(true);
    w.form.Command3->click();
    EXPECT_EQ(w.clipboard.text, q("[DllImport(\"a\")]\r\nprivate static extern void A();\r\n"
                                  "private static extern void B();\r\n"));
}

TEST(CopyButtonTest, OtherBoxesAreCopiedAsTheyStandInEitherForm) {
    EditingWindow w;
    w.box(0).setText(q("Sleep"));
    w.box(5).setText(q("Sleep 500\r\n"));
    w.form.TOut_GotFocus(0);
    w.form.Command3->click();
    EXPECT_EQ(w.clipboard.text, q("Sleep\r\n"));
    w.form.Option1[1]->setChecked(true);
    w.form.TOut_GotFocus(5);
    w.form.Command3->click();
    EXPECT_EQ(w.clipboard.text, q("Sleep 500\r\n\r\n"));
}

TEST(CopyButtonTest, AClipboardThatFailsIsReportedAndKeepsItsContent) {
    EditingWindow w;
    w.clipboard.text = q("earlier");
    w.clipboard.failing = true;
    w.form.Command3->click();
    EXPECT_EQ(w.clipboard.text, q("earlier"));
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(w.dialogs.shown[0].text, q("无法打开剪贴板。"));
    EXPECT_EQ(w.dialogs.shown[0].buttons, Buttons::Ok);
    EXPECT_EQ(w.dialogs.shown[0].icon, Icon::Critical);
    // The window goes on working once the clipboard does.
    w.clipboard.failing = false;
    w.form.Command3->click();
    EXPECT_EQ(w.clipboard.text, q("Private \r\n"));
}

TEST(FocusEntryTest, TracksTheCurrentBoxAndPutsTheButtonsAtItsLowerEdge) {
    EditingWindow w;
    const int firstTop = w.form.Command3->y();
    const int copyLeft = w.form.Command3->x(), enlargeLeft = w.form.Command6->x();
    EXPECT_EQ(firstTop, px(3480));
    EXPECT_EQ(w.form.Command6->y(), firstTop);

    // Name box: recorded, but the buttons stay.
    w.form.TOut_GotFocus(0);
    EXPECT_EQ(w.form.CurOut, 0);
    EXPECT_EQ(w.form.Command3->y(), firstTop);

    const int expectedTwips[8] = {0, 870, 2280, 3480, 4920, 6060, 6810, 870};
    for (int i = 1; i < 8; ++i) {
        SCOPED_TRACE(i);
        w.form.TOut_GotFocus(i);
        EXPECT_EQ(w.form.CurOut, i);
        EXPECT_EQ(w.form.Command3->y(), px(expectedTwips[i]));
        EXPECT_EQ(w.form.Command6->y(), px(expectedTwips[i]));
        EXPECT_EQ(w.form.Command3->x(), copyLeft);
        EXPECT_EQ(w.form.Command6->x(), enlargeLeft);
    }
}

TEST(FocusEntryTest, RealFocusChangesRunIt) {
    EditingWindow w;
    w.form.show();
    QApplication::setActiveWindow(&w.form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    w.box(5).widget()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w.form.CurOut, 5);
    EXPECT_EQ(w.form.Command3->y(), px(6060));
    w.box(5).setText(q("recode"));
    w.form.Command3->click();
    EXPECT_EQ(w.clipboard.text, q("recode\r\n"));
}

TEST(OutputFormSwitchTest, WithoutARecordOnViewOnlyTheColumnChanges) {
    EditingWindow w;
    w.box(3).setText(q("Declare Sub A Lib \"k\" ()"));
    w.form.Option1[1]->setChecked(true);
    EXPECT_EQ(w.box(3).tag(), q("CSharp"));
    EXPECT_EQ(w.box(3).text(), q("Declare Sub A Lib \"k\" ()"));
    w.form.Option1[0]->setChecked(true);
    EXPECT_EQ(w.box(3).tag(), q("declare"));
    EXPECT_TRUE(w.dialogs.shown.empty());
}
