// Long and huge texts in the detail boxes: shown in part, pasted, edited,
// copied and saved whole.
#include "editing_fixture.h"

#include "gui/text_bounds.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace tolvane;

using test::kSaved;
using test::q;

namespace {

class BigTextEditingTest : public test::EditingTest {};

}  // namespace

// A box lays out only the start of a long text and says so in the status
// line; copying and saving, with or without edits, keep every character. A
// paste beyond a box's bounds goes in whole; one beyond the limit is refused.
TEST_F(BigTextEditingTest, TextsOfAnySizeShowInPartAndSaveWhole) {
    const QString name = QStringLiteral("Big") + QString(40000, QLatin1Char('N'));
    const QString dll = QString(40000, QLatin1Char('d'));
    const QString explain = QString(30000, QLatin1Char('e'));
    sql(QStringLiteral("INSERT INTO winfun (ID, name, libsclass, explain) VALUES (100, '%1', '%2', "
                       "'%3')")
            .arg(name, dll, explain));
    user->search(QStringLiteral("BigN"));
    user->clickEntry(0);
    EXPECT_EQ(user->shown(kNameBox), name.left(kOneLineBounds.shown));
    EXPECT_EQ(user->shown(kExplanationBox), explain.left(kMultiLineBounds.line));
    EXPECT_TRUE(user->statusLine->text().endsWith(
        q("名称 共 40 003 个字符；DLL文件 共 40 000 个字符；说明 共 30 000 个字符")));
    user->focus(kNameBox);
    user->click(user->copyButton);
    EXPECT_EQ(clipboard.text, name + QStringLiteral("\r\n"));
    click(user->saveButton);
    ASSERT_EQ(lastShown(), kSaved);
    EXPECT_EQ(stored(100, "name").toString(), name);
    EXPECT_EQ(stored(100, "libsclass").toString(), dll);
    EXPECT_EQ(stored(100, "explain").toString(), explain);

    const auto pasteInto = [this](int field, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        user->focus(field);
        QTest::keyClick(box(field).widget(), Qt::Key_Home);
        QTest::keyClick(box(field).widget(), Qt::Key_V, Qt::ControlModifier);
    };
    QTest::keyClick(box(kNameBox).widget(), Qt::Key_Home);
    QTest::keyClicks(box(kNameBox).widget(), QStringLiteral("Z"));
    const QString lines = QStringLiteral("pp\r\n").repeated(450000);
    pasteInto(kParametersBox, lines);
    EXPECT_EQ(user->shown(kParametersBox), displayForm(lines.left(kMultiLineBounds.shown)));
    EXPECT_TRUE(user->statusLine->text().endsWith(q("参数 共 1 800 000 个字符")));
    const QString million = QString(1000000, QLatin1Char('m'));
    pasteInto(kDllBox, million);
    EXPECT_EQ(user->shown(kDllBox), million.left(kOneLineBounds.shown));
    pasteInto(kExplanationBox, QString(kPasteLimit + 1, QLatin1Char('x')));
    EXPECT_EQ(lastShown(), pasteRefusal(kPasteLimit + 1));
    click(user->saveButton);
    ASSERT_EQ(lastShown(), kSaved);
    EXPECT_EQ(stored(100, "name").toString(), QStringLiteral("Z") + name);
    EXPECT_EQ(stored(100, "parameter").toString(), lines);
    EXPECT_EQ(stored(100, "libsclass").toString(), million + dll);
    EXPECT_EQ(stored(100, "explain").toString(), explain);

    // The shown start never splits a CR LF or a surrogate pair.
    EXPECT_EQ(shownLength(u"ab\r\ncd", {3, 10}), 2);
    EXPECT_EQ(shownLength(QStringLiteral("a\U0001F600b"), {2, 10}), 1);
    EXPECT_EQ(shownLength(QStringLiteral("a\U0001F600b"), {10, 1}), 1);
    EXPECT_EQ(shownLength(u"abc\r\nabc", {100, 3}), 8);
}


// A value too big to read at once shows its start and its size; select-all
// stands for the whole value, undo brings the hidden rest back; an edit of
// the start keeps the rest unread and a save writes it after the edit; a
// copy reads the rest from the same row.
TEST_F(BigTextEditingTest, BigValuesShowTheirStartAndEditAsAWhole) {
    const QString explain = QString(1100000, QLatin1Char('e'));
    sql(
        q("INSERT INTO winfun (ID, name, explain, declare) VALUES (101, 'Huge', "
          "replace(hex(zeroblob(1100000)), '00', 'e'), 'Declare Huge')"));
    show(q("Huge"));
    QWidget* const explainBox = box(kExplanationBox).widget();
    EXPECT_EQ(user->shown(kExplanationBox), explain.left(kMultiLineBounds.line));
    EXPECT_EQ(user->shown(kDeclarationBox), q("Declare Huge"));
    EXPECT_TRUE(user->statusLine->text().endsWith(q("说明 共 1 100 000 字节")));

    // Select-all + Delete clears the whole value; undo brings it back.
    user->focus(kExplanationBox);
    QTest::keyClick(explainBox, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(explainBox, Qt::Key_Delete);
    EXPECT_EQ(user->shown(kExplanationBox), QString());
    EXPECT_FALSE(user->statusLine->text().contains(q("说明")));
    QTest::keyClick(explainBox, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(user->shown(kExplanationBox), explain.left(kMultiLineBounds.line));
    EXPECT_TRUE(user->statusLine->text().endsWith(q("说明 共 1 100 000 字节")));

    // Typing into the start keeps the rest, unread; a big paste into the
    // name is undone in one step; select-all + typing replaces a one-line
    // box's hidden rest.
    QTest::keyClick(explainBox, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(explainBox, q("Z"));
    QTest::sendKeyEvent(QTest::Click, explainBox, Qt::Key_Eacute, q("é"), Qt::NoModifier);
    EXPECT_TRUE(box(kExplanationBox).restInCatalogue());
    EXPECT_TRUE(user->statusLine->text().endsWith(q("说明 共 1 100 003 字节")));
    QGuiApplication::clipboard()->setText(QString(1000000, QLatin1Char('m')));
    user->focus(kNameBox);
    QTest::keyClick(box(kNameBox).widget(), Qt::Key_Home);
    QTest::keyClick(box(kNameBox).widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box(kNameBox).wholeLength(), 1000004);
    QTest::keyClick(box(kNameBox).widget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box(kNameBox).text(), q("Huge"));
    QGuiApplication::clipboard()->setText(q("Long") + QString(20000, QLatin1Char('n')));
    QTest::keyClick(box(kNameBox).widget(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box(kNameBox).widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box(kNameBox).widget(), q("Tiny"));
    EXPECT_EQ(box(kNameBox).text(), q("Tiny"));
    click(user->saveButton);
    ASSERT_EQ(lastShown(), kSaved);
    EXPECT_EQ(stored(101, "explain").toString(), q("Zé") + explain);
    EXPECT_EQ(stored(101, "name").toString(), q("Tiny"));

    // A copy reads the rest and puts it after the edited start.
    user->focus(kExplanationBox);
    QTest::keyClick(explainBox, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(explainBox, q("Y"));
    user->click(user->copyButton);
    EXPECT_EQ(clipboard.text, q("YZé") + explain + q("\r\n"));
    EXPECT_TRUE(user->statusLine->text().endsWith(q("说明 共 1 100 003 个字符")));

    // Changed by another program since shown: an edited start is not written
    // before a rest that is no longer the one shown, not even on 覆盖.
    dialogs.answers = {Answer::No};  // the copied edit is let go
    show(q("Tiny"));
    QTest::keyClick(explainBox, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(explainBox, q("Y"));
    sql(q("UPDATE winfun SET explain = explain || '!' WHERE ID = 101"));
    dialogs.shown.clear();
    dialogs.answers = {Answer::Yes, Answer::Yes};
    user->click(user->saveButton);
    EXPECT_EQ(lastShown(), q("此记录在显示之后已被其他程序修改。"));
    EXPECT_EQ(stored(101, "explain").toString(), q("Zé") + explain + q("!"));
    EXPECT_FALSE(box(kExplanationBox).unchanged());
}
