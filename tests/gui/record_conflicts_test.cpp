// Saves and deletes that meet a failure, another program's change or a lock.
#include "editing_fixture.h"

#include <sqlite3.h>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tolvane;

using test::kSaved;
using test::q;

namespace {

class RecordConflictTest : public test::EditingTest {};

}  // namespace

// Without a record on view, and when the record is gone, nothing is written
// and the failure is told.
TEST_F(RecordConflictTest, FailuresAreReportedAndWriteNothing) {
    QStringList before = table();
    auto expectFailure = [&](QPushButton* button, const QString& text = {}) {
        click(button);
        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_NE(dialogs.shown[1].text, kSaved);
        EXPECT_TRUE(text.isEmpty() || dialogs.shown[1].text == text)
            << dialogs.shown[1].text.toStdString();
        EXPECT_EQ(dialogs.shown[1].icon, Icon::Critical);
        EXPECT_EQ(table(), before);
    };
    user->typeInto(kNameBox, q("Changed"));  // the ID box still says "NotSet"
    for (QPushButton* button : {user->saveButton, user->deleteButton}) expectFailure(button);
    const qlonglong id = idOf("Sleep");
    onView(q("Sleep"), {q("Changed")});
    sql(QStringLiteral("delete from winfun where ID=%1").arg(id));
    before = table();
    expectFailure(user->saveButton, q("该记录已不存在，未保存任何修改。"));
}


// Another program changed the record on view: the save asks, and each
// answer does what it says; a delete asks too.
TEST_F(RecordConflictTest, AChangeByAnotherProgramIsNeverOverwrittenUnasked) {
    const qlonglong id = idOf("Sleep");
    const QString changedElsewhere =
        QStringLiteral("update winfun set explain = 'elsewhere' where ID = %1").arg(id);
    const auto saveAnswering = [&](Answer conflict) {
        dialogs.shown.clear();
        dialogs.answers = {Answer::Yes, conflict};
        user->click(user->saveButton);
        ASSERT_GE(dialogs.shown.size(), 2u);
        EXPECT_EQ(dialogs.shown[1].text, q("此记录在显示之后已被其他程序修改。"));
        EXPECT_EQ(dialogs.shown[1].buttons, Buttons::OverwriteReloadCancel);
    };
    onView(q("Sleep"), {q("Typed")});
    sql(changedElsewhere);
    saveAnswering(Answer::Cancel);  // 取消: nothing written, the typed text stays
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(box(kNameBox).text(), q("Typed"));
    EXPECT_EQ(stored(id, "name").toString(), q("Sleep"));
    saveAnswering(Answer::No);  // 重新载入: the stored record, nothing typed
    EXPECT_EQ(box(kNameBox).text(), q("Sleep"));
    EXPECT_EQ(box(kExplanationBox).text(), q("elsewhere"));
    user->typeInto(kNameBox, q("Typed"));
    click(user->saveButton);  // now it compares with what it reloaded
    EXPECT_EQ(lastShown(), kSaved);
    EXPECT_EQ(stored(id, "name").toString() + stored(id, "explain").toString(),
              q("Typedelsewhere"));

    sql(QStringLiteral("update winfun set explain = 'again' where ID = %1").arg(id));
    user->typeInto(kNameBox, q("Mine"));
    saveAnswering(Answer::Yes);  // 覆盖: what is on screen
    EXPECT_EQ(lastShown(), kSaved);
    EXPECT_EQ(stored(id, "name").toString() + stored(id, "explain").toString(), q("Mineelsewhere"));

    sql(QStringLiteral("update winfun set explain = 'later' where ID = %1").arg(id));
    dialogs.answers = {Answer::Yes, Answer::No};
    user->click(user->deleteButton);
    EXPECT_EQ(lastShown(), q("此记录在显示之后已被其他程序修改。\n仍要删除此条记录吗?"));
    EXPECT_TRUE(stored(id, "ID").isValid());
}


// While another program holds the file the save waits, answering the
// window: Esc ends it, writing nothing and keeping the typed text.
TEST_F(RecordConflictTest, ASaveWaitingForALockEndsWithEsc) {
    const qlonglong id = idOf("Sleep");
    onView(q("Sleep"), {q("Typed")});
    sqlite3* holder = nullptr;
    sqlite3_open(QFile::encodeName(cataloguePath()).constData(), &holder);
    sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    QTimer::singleShot(300, [&] { QTest::keyClick(box(kNameBox).widget(), Qt::Key_Escape); });
    QElapsedTimer waited;
    waited.start();
    click(user->saveButton);
    EXPECT_LT(waited.elapsed(), 4000);
    EXPECT_EQ(dialogs.shown.size(), 1u);  // the question only
    EXPECT_EQ(box(kNameBox).text(), q("Typed"));
    sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    EXPECT_EQ(stored(id, "name").toString(), q("Sleep"));
    click(user->saveButton);
    EXPECT_EQ(lastShown(), kSaved);
}
