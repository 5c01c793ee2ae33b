#include "editing_fixture.h"

#include "browse/twips.h"

#include <QApplication>
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

// The widgets on top of the window's stack, topmost last.
QObjectList topOfStack(const QWidget& window, int n) {
    const QObjectList& all = window.children();
    return all.mid(all.size() - n);
}

}  // namespace

class ZoomTest : public test::EditingTest {
protected:
    void SetUp() override {
        EditingTest::SetUp();
        form->move(300, 200);
    }
    QRect geometryOf(int i) { return box(i).widget()->geometry(); }
};

TEST_F(ZoomTest, EnlargeCoversTheWindowAndRestorePutsTheBoxBack) {
    const QRect before = geometryOf(3);
    const QRect screenBefore(form->mapToGlobal(before.topLeft()), before.size());
    form->Command6->click();
    EXPECT_EQ(form->Command6->text(), kRestore);
    EXPECT_EQ(form->OutRect, screenBefore);
    // Offscreen the window has no frame: outer size = client size.
    const QRect outer = form->frameGeometry();
    EXPECT_EQ(geometryOf(3), QRect(px(60), px(60), px(twips(outer.width()) - 200),
                                   px(twips(outer.height()) - 630)));
    EXPECT_EQ(topOfStack(*form, 3),
              (QObjectList{box(3).widget(), form->Command6, form->Command3}));
    // The buttons follow the enlarged box's lower edge.
    EXPECT_EQ(form->Command3->y(), px(60 + twips(outer.height()) - 630 - 300));

    form->Command6->click();
    EXPECT_EQ(form->Command6->text(), kEnlarge);
    EXPECT_EQ(geometryOf(3), before);
    EXPECT_EQ(form->Command3->y(), px(3480));
    EXPECT_EQ(form->Command6->y(), px(3480));
    EXPECT_EQ(topOfStack(*form, 3),
              (QObjectList{box(3).widget(), form->Command6, form->Command3}));
    EXPECT_EQ(form->CurOut, 3);
}

TEST_F(ZoomTest, AWindowMovedWhileEnlargedRestoresTheBoxDisplacedTheOtherWay) {
    const QRect before = geometryOf(4);
    form->TOut_GotFocus(4);
    form->Command6->click();
    form->move(340, 180);  // 40 right, 20 up
    form->Command6->click();
    EXPECT_EQ(geometryOf(4), before.translated(-40, 20));
}

TEST_F(ZoomTest, RestoreActsOnTheBoxThatIsCurrentThen) {
    const QRect declaration = geometryOf(3);
    form->Command6->click();
    const QRect enlarged = geometryOf(3);
    form->TOut_GotFocus(5);
    form->Command6->click();
    EXPECT_EQ(geometryOf(5), declaration);  // the other box takes the saved place
    EXPECT_EQ(geometryOf(3), enlarged);     // and the enlarged one stays so
    EXPECT_EQ(form->Command3->y(), px(3480));
    EXPECT_EQ(form->CurOut, 5);
}

TEST_F(ZoomTest, EachEnlargeSavesTheBoxItEnlarges) {
    const QRect declaration = geometryOf(3), sample = geometryOf(5);
    form->Command6->click();
    form->Command6->click();
    form->TOut_GotFocus(5);
    form->Command6->click();
    form->Command6->click();
    EXPECT_EQ(geometryOf(3), declaration);
    EXPECT_EQ(geometryOf(5), sample);
}

TEST_F(ZoomTest, TheNameBoxEnlargesButLeavesTheButtonsInPlace) {
    form->TOut_GotFocus(0);
    const QPoint copyAt = form->Command3->pos(), enlargeAt = form->Command6->pos();
    form->Command6->click();
    EXPECT_EQ(geometryOf(0).topLeft(), QPoint(px(60), px(60)));
    EXPECT_EQ(form->Command3->pos(), copyAt);
    EXPECT_EQ(form->Command6->pos(), enlargeAt);
    EXPECT_EQ(topOfStack(*form, 2), (QObjectList{form->Command6, form->Command3}));
}

TEST_F(ZoomTest, EnterThatNoControlTakesClicksTheEnlargeButton) {
    QTest::keyClick(box(0).widget(), Qt::Key_Return);
    EXPECT_EQ(form->Command6->text(), kRestore);
    QTest::keyClick(form->T->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form->Command6->text(), kEnlarge);
    // With a modifier it is no default-button key.
    QTest::keyClick(box(0).widget(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(form->Command6->text(), kEnlarge);
    // A multi-line box keeps Enter for its line breaks.
    QTest::keyClick(box(2).widget(), Qt::Key_Return);
    EXPECT_EQ(form->Command6->text(), kEnlarge);
    EXPECT_EQ(box(2).text(), QStringLiteral("\r\n"));
}

TEST_F(ZoomTest, EnterOnAFocusedButtonClicksThatButton) {
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->Command7->setFocus();
    dialogs.answers.push_back(Answer::No);
    QTest::keyClick(form->Command7, Qt::Key_Return);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("确实要删除此条记录吗(无法恢复)?"));
    EXPECT_EQ(form->Command6->text(), kEnlarge);
}

class SelectAllTest : public test::EditingTest {
protected:
    static QString selected(DetailBox& b) {
        if (auto* line = qobject_cast<QLineEdit*>(b.widget())) return line->selectedText();
        return static_cast<QPlainTextEdit*>(b.widget())->textCursor().selectedText();
    }
};

TEST_F(SelectAllTest, CtrlAReleasedSelectsTheWholeTextOfEveryBox) {
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        box(i).setText(QStringLiteral("ab\r\ncd"));
        QTest::keyRelease(box(i).widget(), Qt::Key_A, Qt::ControlModifier);
        // A multi-line box shows the line break as one paragraph separator.
        EXPECT_EQ(selected(box(i)).size(), box(i).length());
        EXPECT_FALSE(selected(box(i)).isEmpty());
    }
}

TEST_F(SelectAllTest, OtherCombinationsAndKeysSelectNothing) {
    box(4).setText(QStringLiteral("text"));
    const std::pair<Qt::Key, Qt::KeyboardModifiers> others[] = {
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_A, Qt::ControlModifier | Qt::AltModifier},
        {Qt::Key_A, Qt::NoModifier},
        {Qt::Key_A, Qt::ShiftModifier},
        {Qt::Key_B, Qt::ControlModifier},
    };
    for (const auto& [key, modifiers] : others) {
        QTest::keyRelease(box(4).widget(), key, modifiers);
        EXPECT_TRUE(selected(box(4)).isEmpty()) << key << " " << modifiers;
    }
}

TEST_F(SelectAllTest, AnEmptyBoxSelectsNothing) {
    QTest::keyRelease(box(6).widget(), Qt::Key_A, Qt::ControlModifier);
    auto* edit = static_cast<QPlainTextEdit*>(box(6).widget());
    EXPECT_EQ(edit->textCursor().selectionStart(), 0);
    EXPECT_FALSE(edit->textCursor().hasSelection());
}
