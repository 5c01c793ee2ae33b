#include "editing_fixture.h"

#include "browse/result_list.h"
#include "platform/sqlite_engine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

QString q(const char* s) { return QString::fromUtf8(s); }

const QString kSaved = q("修改成功!");

class RecordEditingTest : public test::EditingTest {
protected:
    // Puts one entry in the result list and selects it, as a search would.
    void select(const QString& name) {
        form->LItems->append(name, static_cast<std::int32_t>(idOf(name)));
        form->selectResult(form->LItems->count() - 1);
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
    const QVariant cSharp = stored(id, "CSharp");
    const QStringList texts = {q("Sleep2"), q("kernel32.dll"), q("it's \"quoted\"'); delete from winfun; --"),
                               q("Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)\r\n' 注释"),
                               q("ms"), q("Sleep 1\r\n"), q("")};
    onView(id, texts);
    form->Ch95->setChecked(true);
    form->ChNT->setChecked(false);
    form->CoOut->setCurrentIndex(0);  // "Type类型"
    const int rows = table().size();
    click(form->Command2);
    ASSERT_EQ(dialogs.texts(), (QStringList{q("确实要更改数据库信息吗?"), kSaved}));
    const char* columns[] = {"name", "libsclass", "explain", "declare", "parameter", "recode", "returned"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(stored(id, columns[i]).toString(), texts[i]) << columns[i];
    EXPECT_EQ(stored(id, "win95").toString(), q("Yes"));
    EXPECT_EQ(stored(id, "winnt").toString(), q("No"));
    EXPECT_EQ(stored(id, "class").toLongLong(), -1);
    EXPECT_EQ(stored(id, "CSharp"), cSharp);
    EXPECT_EQ(table().size(), rows);

    // The C# form writes the declaration box into CSharp only.
    const QVariant declare = stored(id, "declare");
    form->Option1[1]->setChecked(true);
    box(3).setText(q("[DllImport(\"kernel32\")]\r\nstatic extern void Sleep(uint ms);"));
    form->CoOut->setCurrentIndex(17);
    click(form->Command2);
    EXPECT_EQ(stored(id, "CSharp").toString(), box(3).text());
    EXPECT_EQ(stored(id, "declare"), declare);
    EXPECT_EQ(stored(id, "class").toLongLong(), 16);
}

TEST_F(RecordEditingTest, ARecordSavedUnchangedKeepsEveryColumn) {
    const QStringList before = table();
    const qlonglong quirk = idOf("GetSystemMetrics");  // its win95 reads "yes"
    for (const QString& row : before) {
        form->ShowRecord(row.section(QLatin1Char('|'), 0, 0));
        click(form->Command2);
        ASSERT_EQ(lastShown(), kSaved);
    }
    QStringList expected = before;
    for (QString& row : expected)
        if (row.startsWith(QString::number(quirk) + '|'))
            row.replace(QStringLiteral("|yes|"), QStringLiteral("|No|"));  // only "Yes" ticks the box
    EXPECT_EQ(table(), expected);
}

TEST_F(RecordEditingTest, AddShowsTheNewRecordOutsideTheListAndDeleteLeavesItOnScreen) {
    select("Sleep");
    const int category = form->CoOut->currentIndex();
    const int rows = table().size();
    click(form->Command1);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    ASSERT_EQ(table().size(), rows + 1);
    const qlonglong id = box(7).text().toLongLong();
    EXPECT_TRUE(stored(id, "ID").isValid());
    EXPECT_EQ(box(0).text(), QString());
    EXPECT_EQ(form->LItems->count(), 1);

    box(0).setText(q("NewFunction"));
    click(form->Command2);
    EXPECT_EQ(lastShown(), kSaved);
    EXPECT_EQ(stored(id, "name").toString(), q("NewFunction"));
    // A new row has no category: the one on view before stays and is stored.
    EXPECT_EQ(stored(id, "class").toLongLong(), category - 1);
    EXPECT_EQ(stored(id, "win95").toString(), q("No"));

    click(form->Command7);
    EXPECT_EQ(table().size(), rows);
    EXPECT_FALSE(stored(id, "ID").isValid());
    EXPECT_EQ(box(0).text(), q("NewFunction"));
    EXPECT_EQ(box(7).text(), QString::number(id));
    click(form->Command7);  // again: nothing to delete, nothing said
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(RecordEditingTest, FailuresAreReportedAndWriteNothing) {
    const qlonglong id = idOf("Sleep");
    onView(id, {q("Changed")});
    QStringList before = table();
    auto expectFailure = [&](QPushButton* button, const QString& text = {}) {
        click(button);
        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_NE(dialogs.shown[1].text, kSaved);
        EXPECT_TRUE(text.isEmpty() || dialogs.shown[1].text == text) << dialogs.shown[1].text.toStdString();
        EXPECT_EQ(dialogs.shown[1].icon, Icon::Critical);
        EXPECT_EQ(table(), before);
    };
    for (const char* text : {"NotSet", ""}) {
        SCOPED_TRACE(text);
        box(7).setText(q(text));
        for (QPushButton* button : {form->Command2, form->Command7}) expectFailure(button);
    }
    box(7).setText(QString::number(id));
    const std::shared_ptr<Database> db = form->Db;
    for (std::shared_ptr<Database> other : {std::shared_ptr<Database>(SqliteEngine().openDatabase(
                                                cataloguePath(), false, true, {})),
                                            std::shared_ptr<Database>()}) {
        SCOPED_TRACE(other ? "read-only" : "no database");
        form->Db = other;
        for (QPushButton* button : {form->Command1, form->Command2, form->Command7}) expectFailure(button);
    }
    form->Db = db;
    sql(QStringLiteral("delete from winfun where ID=%1").arg(id));
    before = table();
    expectFailure(form->Command2, q("该记录已不存在，未保存任何修改。"));
}

TEST_F(RecordEditingTest, TheFormSwitchReloadsTheRecordInTheIdBoxDroppingEdits) {
    const qlonglong sleep = idOf("Sleep"), tick = idOf("GetTickCount");
    // No record on view: only the column changes.
    box(3).setText(q("Declare Sub A ()"));
    form->Option1[1]->setChecked(true);
    EXPECT_EQ(box(3).tag(), q("CSharp"));
    EXPECT_EQ(box(3).text(), q("Declare Sub A ()"));
    form->Option1[0]->setChecked(true);
    EXPECT_EQ(box(3).tag(), q("declare"));
    show("Sleep");  // on view without a list selection
    form->Option1[1]->setChecked(true);
    EXPECT_EQ(box(3).text(), stored(sleep, "CSharp").toString());
    form->Option1[0]->setChecked(true);

    select("Sleep");
    show("GetTickCount");  // stepped on to another record
    box(0).setText(q("Edited"));
    form->Option1[1]->setChecked(true);
    EXPECT_EQ(box(0).text(), q("GetTickCount"));
    EXPECT_EQ(box(3).text(), stored(tick, "CSharp").toString());
    form->Option1[0]->setChecked(true);
    EXPECT_EQ(box(3).text(), stored(tick, "declare").toString());

    // The record gone: nothing reloads.
    show("Sleep");
    const QString vb = box(3).text();
    sql(QStringLiteral("delete from winfun where ID=%1").arg(sleep));
    form->Option1[1]->setChecked(true);
    EXPECT_EQ(box(3).text(), vb);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RecordEditingTest, CopyPutsTheCurrentBoxOnTheClipboardWithCrLfBreaks) {
    show("GetTickCount");
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("Private Declare Function GetTickCount Lib \"kernel32\" () As Long\r\n"));
    form->Option1[1]->setChecked(true);
    static_cast<QPlainTextEdit*>(box(3).widget())->setPlainText(q("[A]\nstatic extern void A();"));
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("[A]\r\nprivate static extern void A();\r\n"));
    EXPECT_EQ(clipboard.clears, 2);
    form->TOut_GotFocus(0);
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("GetTickCount\r\n"));
    EXPECT_TRUE(dialogs.shown.empty());

    clipboard.text.reset();
    clipboard.failing = true;
    form->Command3->click();
    EXPECT_FALSE(clipboard.text);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, q("无法打开剪贴板。"));
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
}
