#include "editing_fixture.h"

#include "gui/window_layout.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

const QString kEnlarge = QStringLiteral("放大");
const QString kRestore = QStringLiteral("恢复");

class ZoomTest : public test::EditingTest {
protected:
    void SetUp() override {
        EditingTest::SetUp();
        form->move(300, 200);
    }
    QRect at(int i) { return box(i).widget()->geometry(); }
};

}  // namespace

// The buttons sit in the focused box's lower edge; the last line of a long
// text, scrolled into view, stays above them.
TEST_F(ZoomTest, TheFocusedBoxKeepsItsLastLineAboveTheButtons) {
    auto* returned = static_cast<QPlainTextEdit*>(box(kReturnValueBox).widget());
    user->focus(kReturnValueBox);
    returned->setPlainText(QStringLiteral("line\n").repeated(20) + QStringLiteral("last"));
    QTest::keyClick(returned, Qt::Key_End, Qt::ControlModifier);
    const QRect last = returned->cursorRect();
    EXPECT_LE(returned->viewport()->mapTo(form.get(), last.bottomLeft()).y(),
              user->copyButton->y());
    EXPECT_GT(user->copyButton->y(), at(kReturnValueBox).y());
}

TEST_F(ZoomTest, EnlargeCoversTheWindowAndRestorePutsTheBoxBack) {
    const QRect declaration = at(3), sample = at(5);
    user->click(user->zoomButton);
    EXPECT_EQ(user->zoomButton->text(), kRestore);
    EXPECT_EQ(at(3).topLeft(), QPoint(px(60), px(60)));
    // On top of the window's stack, topmost last.
    EXPECT_EQ(form->children().mid(form->children().size() - 3),
              (QObjectList{box(3).widget(), user->zoomButton, user->copyButton}));
    EXPECT_EQ(user->copyButton->y(), at(3).bottom() + 1 - px(300));  // at the enlarged box's edge
    user->click(user->zoomButton);
    EXPECT_EQ(user->zoomButton->text(), kEnlarge);
    EXPECT_EQ(at(3), declaration);
    EXPECT_EQ(user->copyButton->y(), px(3480));

    // A window moved while a box is enlarged gets the box back in place.
    user->focus(5);
    user->click(user->zoomButton);
    form->move(340, 180);
    user->click(user->zoomButton);
    EXPECT_EQ(at(5), sample);

    // While enlarged, the box keeps the focus from Tab and Shift+Tab, so
    // nothing is typed into a box it covers; Esc restores it.
    user->focus(3);
    user->click(user->zoomButton);
    QWidget* enlarged = box(3).widget();
    EXPECT_EQ(form->focusWidget(), enlarged);
    QTest::keyClick(enlarged, Qt::Key_Tab);
    QTest::keyClick(enlarged, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClicks(form->focusWidget(), QStringLiteral("typed"));
    EXPECT_TRUE(box(3).text().endsWith(QStringLiteral("typed")));
    QTest::keyClick(enlarged, Qt::Key_Escape);
    EXPECT_EQ(at(3), declaration);
    EXPECT_EQ(user->zoomButton->text(), kEnlarge);
    // Restore puts back the enlarged box, whichever box had the focus last.
    user->click(user->zoomButton);
    user->focus(5);
    user->click(user->zoomButton);
    EXPECT_EQ(at(3), declaration);
    EXPECT_EQ(at(5), sample);

    // The name box enlarges but leaves the buttons in place.
    user->focus(0);
    const QPoint copyAt = user->copyButton->pos();
    user->click(user->zoomButton);
    EXPECT_EQ(at(0).topLeft(), QPoint(px(60), px(60)));
    EXPECT_EQ(user->copyButton->pos(), copyAt);
}

TEST_F(ZoomTest, EnterClicksTheDefaultButtonUnlessAControlTakesIt) {
    QTest::keyClick(box(0).widget(), Qt::Key_Return);
    EXPECT_EQ(user->zoomButton->text(), kRestore);
    QTest::keyClick(user->patternBox->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(user->zoomButton->text(), kEnlarge);
    QTest::keyClick(box(0).widget(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(user->zoomButton->text(), kEnlarge);
    QTest::keyClick(box(2).widget(), Qt::Key_Return);  // a multi-line box keeps Enter
    EXPECT_EQ(user->zoomButton->text(), kEnlarge);
    EXPECT_EQ(box(2).text(), QStringLiteral("\r\n"));
    form->show();  // a focused button is clicked itself
    user->deleteButton->setFocus();
    dialogs.answers.push_back(Answer::No);
    QTest::keyClick(user->deleteButton, Qt::Key_Return);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("确实要删除此条记录吗(无法恢复)?")});
    EXPECT_EQ(user->zoomButton->text(), kEnlarge);
}

TEST_F(ZoomTest, CtrlAAloneSelectsTheWholeTextOnRelease) {
    auto selected = [this](int i) {
        if (auto* line = qobject_cast<QLineEdit*>(box(i).widget())) return line->selectedText();
        return static_cast<QPlainTextEdit*>(box(i).widget())->textCursor().selectedText();
    };
    for (int i : {0, 3, 7}) {  // one-line and multi-line boxes
        box(i).setText(QStringLiteral("ab\r\ncd"));
        QTest::keyRelease(box(i).widget(), Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(selected(i).size(), box(i).length()) << i;
    }
    box(4).setText(QStringLiteral("text"));
    for (Qt::KeyboardModifiers m :
         {Qt::ControlModifier | Qt::ShiftModifier, Qt::ControlModifier | Qt::AltModifier,
          Qt::KeyboardModifiers()}) {
        QTest::keyRelease(box(4).widget(), Qt::Key_A, m);
        EXPECT_TRUE(selected(4).isEmpty()) << m;
    }
}
