#include "editing_window.h"

#include "browse/twips.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString kEnlarge = QStringLiteral("放大");
const QString kRestore = QStringLiteral("恢复");

// The widgets on top of the window's stack, topmost last.
QObjectList topOfStack(const QWidget& window, int n) {
    const QObjectList& all = window.children();
    return all.mid(all.size() - n);
}

}  // namespace

class ZoomTest : public ::testing::Test {
protected:
    ZoomTest() { w.form.move(300, 200); }
    QRect geometryOf(int i) { return w.box(i).widget()->geometry(); }
    EditingWindow w;
};

TEST_F(ZoomTest, EnlargeCoversTheWindowAndRestorePutsTheBoxBack) {
    const QRect before = geometryOf(3);
    const QRect screenBefore(w.form.mapToGlobal(before.topLeft()), before.size());
    w.form.Command6->click();
    EXPECT_EQ(w.form.Command6->text(), kRestore);
    EXPECT_EQ(w.form.OutRect, screenBefore);
    // Offscreen the window has no frame: outer size = client size.
    const QRect outer = w.form.frameGeometry();
    EXPECT_EQ(geometryOf(3), QRect(px(60), px(60), px(twips(outer.width()) - 200),
                                   px(twips(outer.height()) - 630)));
    EXPECT_EQ(topOfStack(w.form, 3),
              (QObjectList{w.box(3).widget(), w.form.Command6, w.form.Command3}));
    // The buttons follow the enlarged box's lower edge.
    EXPECT_EQ(w.form.Command3->y(), px(60 + twips(outer.height()) - 630 - 300));

    w.form.Command6->click();
    EXPECT_EQ(w.form.Command6->text(), kEnlarge);
    EXPECT_EQ(geometryOf(3), before);
    EXPECT_EQ(w.form.Command3->y(), px(3480));
    EXPECT_EQ(w.form.Command6->y(), px(3480));
    EXPECT_EQ(topOfStack(w.form, 3),
              (QObjectList{w.box(3).widget(), w.form.Command6, w.form.Command3}));
    EXPECT_EQ(w.form.CurOut, 3);
}

TEST_F(ZoomTest, AWindowMovedWhileEnlargedRestoresTheBoxDisplacedTheOtherWay) {
    const QRect before = geometryOf(4);
    w.form.TOut_GotFocus(4);
    w.form.Command6->click();
    w.form.move(340, 180);  // 40 right, 20 up
    w.form.Command6->click();
    EXPECT_EQ(geometryOf(4), before.translated(-40, 20));
}

TEST_F(ZoomTest, RestoreActsOnTheBoxThatIsCurrentThen) {
    const QRect declaration = geometryOf(3);
    w.form.Command6->click();
    const QRect enlarged = geometryOf(3);
    w.form.TOut_GotFocus(5);
    w.form.Command6->click();
    EXPECT_EQ(geometryOf(5), declaration);  // the other box takes the saved place
    EXPECT_EQ(geometryOf(3), enlarged);     // and the enlarged one stays so
    EXPECT_EQ(w.form.Command3->y(), px(3480));
    EXPECT_EQ(w.form.CurOut, 5);
}

TEST_F(ZoomTest, EachEnlargeSavesTheBoxItEnlarges) {
    const QRect declaration = geometryOf(3), sample = geometryOf(5);
    w.form.Command6->click();
    w.form.Command6->click();
    w.form.TOut_GotFocus(5);
    w.form.Command6->click();
    w.form.Command6->click();
    EXPECT_EQ(geometryOf(3), declaration);
    EXPECT_EQ(geometryOf(5), sample);
}

TEST_F(ZoomTest, TheNameBoxEnlargesButLeavesTheButtonsInPlace) {
    w.form.TOut_GotFocus(0);
    const QPoint copyAt = w.form.Command3->pos(), enlargeAt = w.form.Command6->pos();
    w.form.Command6->click();
    EXPECT_EQ(geometryOf(0).topLeft(), QPoint(px(60), px(60)));
    EXPECT_EQ(w.form.Command3->pos(), copyAt);
    EXPECT_EQ(w.form.Command6->pos(), enlargeAt);
    EXPECT_EQ(topOfStack(w.form, 2), (QObjectList{w.form.Command6, w.form.Command3}));
}

TEST_F(ZoomTest, EnterThatNoControlTakesClicksTheEnlargeButton) {
    QTest::keyClick(w.box(0).widget(), Qt::Key_Return);
    EXPECT_EQ(w.form.Command6->text(), kRestore);
    QTest::keyClick(w.box(0).widget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(w.form.Command6->text(), kEnlarge);
    // A multi-line box keeps Enter for its line breaks.
    QTest::keyClick(w.box(2).widget(), Qt::Key_Return);
    EXPECT_EQ(w.form.Command6->text(), kEnlarge);
    EXPECT_EQ(w.box(2).text(), QStringLiteral("\r\n"));
}

class SelectAllTest : public ::testing::Test {
protected:
    static QString selected(DetailBox& box) {
        if (auto* line = qobject_cast<QLineEdit*>(box.widget())) return line->selectedText();
        return static_cast<QPlainTextEdit*>(box.widget())->textCursor().selectedText();
    }
    EditingWindow w;
};

TEST_F(SelectAllTest, CtrlAReleasedSelectsTheWholeTextOfEveryBox) {
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        w.box(i).setText(QStringLiteral("ab\r\ncd"));
        QTest::keyRelease(w.box(i).widget(), Qt::Key_A, Qt::ControlModifier);
        // A multi-line box shows the line break as one paragraph separator.
        EXPECT_EQ(selected(w.box(i)).size(), w.box(i).length());
        EXPECT_FALSE(selected(w.box(i)).isEmpty());
    }
}

TEST_F(SelectAllTest, OtherCombinationsAndKeysSelectNothing) {
    w.box(4).setText(QStringLiteral("text"));
    const std::pair<Qt::Key, Qt::KeyboardModifiers> others[] = {
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_A, Qt::ControlModifier | Qt::AltModifier},
        {Qt::Key_A, Qt::NoModifier},
        {Qt::Key_A, Qt::ShiftModifier},
        {Qt::Key_B, Qt::ControlModifier},
    };
    for (const auto& [key, modifiers] : others) {
        QTest::keyRelease(w.box(4).widget(), key, modifiers);
        EXPECT_TRUE(selected(w.box(4)).isEmpty()) << key << " " << modifiers;
    }
}

TEST_F(SelectAllTest, AnEmptyBoxSelectsNothing) {
    QTest::keyRelease(w.box(6).widget(), Qt::Key_A, Qt::ControlModifier);
    auto* edit = static_cast<QPlainTextEdit*>(w.box(6).widget());
    EXPECT_EQ(edit->textCursor().selectionStart(), 0);
    EXPECT_FALSE(edit->textCursor().hasSelection());
}
