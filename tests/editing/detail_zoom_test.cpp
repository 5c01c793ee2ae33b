#include "editing_fixture.h"

#include "browse/twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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
    // The widgets on top of the window's stack, topmost last.
    QObjectList top(int n) { return form->children().mid(form->children().size() - n); }
};

}  // namespace

TEST_F(ZoomTest, EnlargeCoversTheWindowAndRestorePutsTheBoxBack) {
    const QRect declaration = at(3), sample = at(5);
    form->Command6->click();
    EXPECT_EQ(form->Command6->text(), kRestore);
    EXPECT_EQ(form->OutRect, QRect(form->mapToGlobal(declaration.topLeft()), declaration.size()));
    // Offscreen the window has no frame: its outer size is the client size.
    const QSize outer = form->frameGeometry().size();
    const int heightTwips = twips(outer.height()) - 630;
    EXPECT_EQ(at(3), QRect(px(60), px(60), px(twips(outer.width()) - 200), px(heightTwips)));
    EXPECT_EQ(top(3), (QObjectList{box(3).widget(), form->Command6, form->Command3}));
    EXPECT_EQ(form->Command3->y(), px(60 + heightTwips - 300));  // at the enlarged box's edge

    form->Command6->click();
    EXPECT_EQ(form->Command6->text(), kEnlarge);
    EXPECT_EQ(at(3), declaration);
    EXPECT_EQ(form->Command3->y(), px(3480));
    EXPECT_EQ(form->Command6->y(), px(3480));
    EXPECT_EQ(top(3), (QObjectList{box(3).widget(), form->Command6, form->Command3}));

    // Each enlarge saves the box it enlarges.
    form->TOut_GotFocus(5);
    form->Command6->click();
    form->Command6->click();
    EXPECT_EQ(at(5), sample);
    EXPECT_EQ(at(3), declaration);
}

TEST_F(ZoomTest, AWindowMovedWhileEnlargedRestoresTheBoxDisplacedTheOtherWay) {
    const QRect before = at(4);
    form->TOut_GotFocus(4);
    form->Command6->click();
    form->move(340, 180);  // 40 right, 20 up
    form->Command6->click();
    EXPECT_EQ(at(4), before.translated(-40, 20));
}

TEST_F(ZoomTest, RestoreActsOnTheBoxThatIsCurrentThen) {
    const QRect declaration = at(3);
    form->Command6->click();
    const QRect enlarged = at(3);
    form->TOut_GotFocus(5);
    form->Command6->click();
    EXPECT_EQ(at(5), declaration);  // the other box takes the saved place
    EXPECT_EQ(at(3), enlarged);     // and the enlarged one stays so
    EXPECT_EQ(form->CurOut, 5);
}

TEST_F(ZoomTest, TheNameBoxEnlargesButLeavesTheButtonsInPlace) {
    form->TOut_GotFocus(0);
    const QPoint copyAt = form->Command3->pos(), enlargeAt = form->Command6->pos();
    form->Command6->click();
    EXPECT_EQ(at(0).topLeft(), QPoint(px(60), px(60)));
    EXPECT_EQ(form->Command3->pos(), copyAt);
    EXPECT_EQ(form->Command6->pos(), enlargeAt);
    EXPECT_EQ(top(2), (QObjectList{form->Command6, form->Command3}));
}

TEST_F(ZoomTest, EnterClicksTheEnlargeButtonUnlessAControlTakesIt) {
    QTest::keyClick(box(0).widget(), Qt::Key_Return);
    EXPECT_EQ(form->Command6->text(), kRestore);
    QTest::keyClick(form->T->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form->Command6->text(), kEnlarge);
    QTest::keyClick(box(0).widget(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(form->Command6->text(), kEnlarge);
    // A multi-line box keeps Enter for its line breaks.
    QTest::keyClick(box(2).widget(), Qt::Key_Return);
    EXPECT_EQ(form->Command6->text(), kEnlarge);
    EXPECT_EQ(box(2).text(), QStringLiteral("\r\n"));
    // A focused button is clicked itself.
    form->show();
    form->Command7->setFocus();
    dialogs.answers.push_back(Answer::No);
    QTest::keyClick(form->Command7, Qt::Key_Return);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("确实要删除此条记录吗(无法恢复)?"));
    EXPECT_EQ(form->Command6->text(), kEnlarge);
}

TEST_F(ZoomTest, CtrlAAloneSelectsTheWholeTextOnRelease) {
    auto selected = [this](int i) {
        if (auto* line = qobject_cast<QLineEdit*>(box(i).widget())) return line->selectedText();
        return static_cast<QPlainTextEdit*>(box(i).widget())->textCursor().selectedText();
    };
    for (int i = 0; i < 8; ++i) {
        box(i).setText(QStringLiteral("ab\r\ncd"));
        QTest::keyRelease(box(i).widget(), Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(selected(i).size(), box(i).length()) << i;
        EXPECT_GT(box(i).length(), 0) << i;
    }
    box(4).setText(QStringLiteral("text"));
    for (Qt::KeyboardModifiers m : {Qt::ControlModifier | Qt::ShiftModifier,
                                    Qt::ControlModifier | Qt::AltModifier, Qt::KeyboardModifiers()}) {
        QTest::keyRelease(box(4).widget(), Qt::Key_A, m);
        EXPECT_TRUE(selected(4).isEmpty()) << m;
    }
    box(6).setText(QString());
    QTest::keyRelease(box(6).widget(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(static_cast<QPlainTextEdit*>(box(6).widget())->textCursor().selectionStart(), 0);
    EXPECT_TRUE(selected(6).isEmpty());
}
