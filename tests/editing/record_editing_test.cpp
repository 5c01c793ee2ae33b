#include "editing_fixture.h"

#include "platform/sqlite_engine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

QString q(const char* s) { return QString::fromUtf8(s); }

const QString kSaved = q("修改成功!");

class RecordEditingTest : public test::EditingTest {
protected:
    void setId(const QString& text) { static_cast<QLineEdit*>(box(7).widget())->setText(text); }
    // Puts a record's ID into the ID box and the given texts into boxes 0-6.
    void onView(qlonglong id, const QStringList& texts) {
        setId(QString::number(id));
        for (int i = 0; i < 7; ++i) box(i).setText(texts.value(i));
    }
    void click(QPushButton* button, Answer a = Answer::Yes) {
        dialogs.shown.clear();
        dialogs.answers.push_back(a);
        button->click();
    }
    // After a Yes: exactly one failure box, with a description.
    void expectOneFailure() {
        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_FALSE(dialogs.shown[1].text.isEmpty());
        EXPECT_NE(dialogs.shown[1].text, kSaved);
        EXPECT_EQ(dialogs.shown[1].buttons, Buttons::Ok);
        EXPECT_EQ(dialogs.shown[1].icon, Icon::Critical);
    }
};

}  // namespace

TEST_F(RecordEditingTest, EachChangeAsksAndOnlyYesGoesOn) {
    const struct {
        QPushButton* button;
        QString question;
        Icon icon;
    } operations[] = {{form->Command1, q("添加记录吗(修改后需保存)?"), Icon::None},
                      {form->Command2, q("确实要更改数据库信息吗?"), Icon::Question},
                      {form->Command7, q("确实要删除此条记录吗(无法恢复)?"), Icon::Critical}};
    onView(idOf("Sleep"), {q("Changed")});
    const QStringList before = table();
    for (const auto& op : operations) {
        for (Answer a : {Answer::No, Answer::Cancel}) {  // closing the box answers Cancel
            click(op.button, a);
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].text, op.question);
            EXPECT_EQ(dialogs.shown[0].buttons, Buttons::YesNoCancel);
            EXPECT_EQ(dialogs.shown[0].icon, op.icon);
        }
    }
    EXPECT_EQ(table(), before);
    EXPECT_EQ(box(0).text(), q("Changed"));
}

TEST_F(RecordEditingTest, SaveWritesEveryBoxByItsTagTheFlagsAndTheCategory) {
    const qlonglong id = idOf("Sleep");
    const QVariant cSharp = stored(id, "CSharp"), othername = stored(id, "othername");
    const QStringList texts = {q("Sleep2"), q("kernel32.dll"), q("it's \"quoted\"'); delete from winfun; --"),
                               q("Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)\r\n' 注释"),
                               q("ms"), q("Sleep 1\r\n"), q("")};
    onView(id, texts);
    form->Ch95->setChecked(true);
    form->ChNT->setChecked(false);
    form->CoOut->setCurrentIndex(0);  // "Type类型"
    const int rows = table().size();
    click(form->Command2);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, kSaved);
    EXPECT_EQ(dialogs.shown[1].icon, Icon::None);

    const char* columns[] = {"name", "libsclass", "explain", "declare", "parameter", "recode", "returned"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(stored(id, columns[i]).toString(), texts[i]) << columns[i];
    EXPECT_EQ(stored(id, "win95").toString(), q("Yes"));
    EXPECT_EQ(stored(id, "winnt").toString(), q("No"));
    EXPECT_EQ(stored(id, "class").toLongLong(), -1);
    EXPECT_EQ(stored(id, "CSharp"), cSharp);
    EXPECT_EQ(stored(id, "othername"), othername);
    EXPECT_EQ(table().size(), rows);
    EXPECT_EQ(box(0).text(), q("Sleep2"));  // the boxes keep what was typed
}

TEST_F(RecordEditingTest, TheCSharpFormSavesTheDeclarationBoxIntoCSharpOnly) {
    const qlonglong id = idOf("GetTickCount");
    const QVariant declare = stored(id, "declare");
    form->Option1[1]->setChecked(true);
    onView(id, {q("GetTickCount"), q("kernel32"), q(""), q("[DllImport(\"kernel32\")]\r\nstatic extern uint T();")});
    form->CoOut->setCurrentIndex(17);
    click(form->Command2);
    EXPECT_EQ(stored(id, "CSharp").toString(), q("[DllImport(\"kernel32\")]\r\nstatic extern uint T();"));
    EXPECT_EQ(stored(id, "declare"), declare);
    EXPECT_EQ(stored(id, "class").toLongLong(), 16);
    EXPECT_EQ(stored(id, "win95").toString(), q("No"));
}

TEST_F(RecordEditingTest, SavingARecordThatIsGoneSaysSoAndWritesNothing) {
    const qlonglong id = idOf("Sleep");
    form->Db->execute(QStringLiteral("delete from winfun where ID=%1").arg(id));
    onView(id, {q("Sleep")});
    const QStringList before = table();
    click(form->Command2);
    expectOneFailure();
    EXPECT_EQ(table(), before);
}

TEST_F(RecordEditingTest, AnIdBoxWithoutAWholeNumberChangesNothing) {
    EXPECT_TRUE(static_cast<QLineEdit*>(box(7).widget())->isReadOnly());
    const QStringList before = table();
    for (const char* id : {"NotSet", "", "1 OR 1=1", "2 "}) {
        setId(q(id));
        for (QPushButton* button : {form->Command2, form->Command7}) {
            SCOPED_TRACE(id);
            click(button);
            expectOneFailure();
        }
    }
    EXPECT_EQ(table(), before);
}

TEST_F(RecordEditingTest, DeleteRemovesTheRowAndLeavesItOnScreen) {
    const qlonglong id = idOf("Sleep");
    onView(id, {q("Sleep")});
    QStringList expected = table();
    expected.removeIf([id](const QString& row) { return row.startsWith(QString::number(id) + '|'); });
    click(form->Command7);
    EXPECT_EQ(table(), expected);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(box(0).text(), q("Sleep"));
    EXPECT_EQ(box(7).text(), QString::number(id));
    click(form->Command7);  // again: nothing to delete, nothing said
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(RecordEditingTest, ACatalogueThatCannotBeWrittenOrIsMissingIsReported) {
    onView(idOf("Sleep"), {q("Changed")});
    const QStringList before = table();
    auto readOnly = SqliteEngine().openDatabase(cataloguePath(), false, true, {});
    for (std::shared_ptr<Database> db : {std::shared_ptr<Database>(std::move(readOnly)), std::shared_ptr<Database>()}) {
        form->Db = db;
        for (QPushButton* button : {form->Command1, form->Command2, form->Command7}) {
            click(button);
            expectOneFailure();
        }
    }
    form->Db = SqliteEngine().openDatabase(cataloguePath());
    EXPECT_EQ(table(), before);
}
