#include "editing_fixture.h"

#include "platform/sqlite_engine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>

using namespace tolvane;

namespace {

QString q(const char* s) { return QString::fromUtf8(s); }

const QString kAdd = q("添加记录吗(修改后需保存)?");
const QString kSave = q("确实要更改数据库信息吗?");
const QString kDelete = q("确实要删除此条记录吗(无法恢复)?");
const QString kSaved = q("修改成功!");

class RecordEditingTest : public test::EditingTest {
protected:
    // Puts a record's ID into the ID box and the given texts into boxes 0-6.
    void onView(qlonglong id, const QStringList& texts) {
        static_cast<QLineEdit*>(box(7).widget())->setText(QString::number(id));
        for (int i = 0; i < 7; ++i) box(i).setText(texts.value(i));
    }
    void answer(Answer a) { dialogs.answers.push_back(a); }
    void expectShown(std::size_t index, const QString& text, Buttons buttons, Icon icon) {
        ASSERT_GT(dialogs.shown.size(), index);
        EXPECT_EQ(dialogs.shown[index].text, text);
        EXPECT_EQ(dialogs.shown[index].buttons, buttons);
        EXPECT_EQ(dialogs.shown[index].icon, icon);
    }
    // The one failure box shown after the question, with some description.
    void expectOneFailure() {
        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_FALSE(dialogs.shown[1].text.isEmpty());
        EXPECT_NE(dialogs.shown[1].text, kSaved);
        EXPECT_EQ(dialogs.shown[1].buttons, Buttons::Ok);
        EXPECT_EQ(dialogs.shown[1].icon, Icon::Critical);
    }
};

}  // namespace

TEST_F(RecordEditingTest, OnlyYesGoesOn) {
    struct Operation {
        QPushButton* button;
        QString question;
        Icon icon;
    };
    const Operation operations[] = {{form->Command1, kAdd, Icon::None},
                                    {form->Command2, kSave, Icon::Question},
                                    {form->Command7, kDelete, Icon::Critical}};
    onView(idOf("Sleep"), {q("Changed")});
    const QStringList before = table();
    // A closed box answers Cancel.
    for (const Operation& op : operations) {
        for (Answer a : {Answer::No, Answer::Cancel}) {
            dialogs.shown.clear();
            answer(a);
            op.button->click();
            expectShown(0, op.question, Buttons::YesNoCancel, op.icon);
            EXPECT_EQ(dialogs.shown.size(), 1u);
        }
    }
    EXPECT_EQ(table(), before);
    EXPECT_EQ(box(0).text(), q("Changed"));
}

TEST_F(RecordEditingTest, SaveWritesEveryBoxByItsTagTheFlagsAndTheCategory) {
    const qlonglong id = idOf("Sleep");
    const QVariant cSharp = stored(id, "CSharp"), other = stored(id, "othername");
    const QStringList texts = {q("Sleep2"), q("kernel32.dll"), q("it's \"quoted\"'); delete from winfun; --"),
                               q("Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)\r\n' 注释"),
                               q("ms"), q("Sleep 1\r\n"), q("")};
    onView(id, texts);
    form->Ch95->setChecked(true);
    form->ChNT->setChecked(false);
    form->CoOut->setCurrentIndex(0);  // "Type类型"
    const int rows = table().size();
    answer(Answer::Yes);
    form->Command2->click();

    expectShown(1, kSaved, Buttons::Ok, Icon::None);
    const char* columns[] = {"name", "libsclass", "explain", "declare", "parameter", "recode", "returned"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(stored(id, columns[i]).toString(), texts[i]) << columns[i];
    EXPECT_EQ(stored(id, "win95").toString(), q("Yes"));
    EXPECT_EQ(stored(id, "winnt").toString(), q("No"));
    EXPECT_EQ(stored(id, "class").toLongLong(), -1);
    EXPECT_EQ(stored(id, "CSharp"), cSharp);
    EXPECT_EQ(stored(id, "othername"), other);
    EXPECT_EQ(table().size(), rows);
    EXPECT_EQ(box(0).text(), q("Sleep2"));  // the boxes keep what was typed
}

TEST_F(RecordEditingTest, TheCSharpFormSavesTheDeclarationBoxIntoCSharpOnly) {
    const qlonglong id = idOf("GetTickCount");
    const QVariant declare = stored(id, "declare");
    form->Option1[1]->setChecked(true);
    onView(id, {q("GetTickCount"), q("kernel32"), q(""), q("[DllImport(\"kernel32\")]\r\nstatic extern uint T();")});
    form->CoOut->setCurrentIndex(17);
    answer(Answer::Yes);
    form->Command2->click();
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
    answer(Answer::Yes);
    form->Command2->click();
    expectOneFailure();
    EXPECT_EQ(table(), before);
}

TEST_F(RecordEditingTest, AnIdBoxWithoutAWholeNumberChangesNothing) {
    EXPECT_TRUE(static_cast<QLineEdit*>(box(7).widget())->isReadOnly());
    const QStringList before = table();
    for (const char* id : {"NotSet", "", "1 OR 1=1", "1;", "2 "}) {
        SCOPED_TRACE(id);
        static_cast<QLineEdit*>(box(7).widget())->setText(q(id));
        for (QPushButton* button : {form->Command2, form->Command7}) {
            dialogs.shown.clear();
            answer(Answer::Yes);
            button->click();
            expectOneFailure();
        }
        EXPECT_EQ(table(), before);
    }
}

TEST_F(RecordEditingTest, DeleteRemovesTheRowAndLeavesItOnScreen) {
    const qlonglong id = idOf("Sleep");
    onView(id, {q("Sleep")});
    QStringList expected = table();
    expected.removeIf([id](const QString& r) { return r.startsWith(QString::number(id) + '|'); });
    ASSERT_EQ(expected.size(), table().size() - 1);
    answer(Answer::Yes);
    form->Command7->click();
    EXPECT_EQ(table(), expected);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(box(0).text(), q("Sleep"));
    EXPECT_EQ(box(7).text(), QString::number(id));
    // Again: no row, nothing deleted, nothing said.
    answer(Answer::Yes);
    form->Command7->click();
    EXPECT_EQ(table(), expected);
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(RecordEditingTest, ACatalogueThatCannotBeWrittenIsReported) {
    form->Db = SqliteEngine().openDatabase(cataloguePath(), false, true, {});
    const qlonglong id = idOf("Sleep");
    onView(id, {q("Changed")});
    const QStringList before = table();
    const std::function<void()> clicks[] = {[&] { form->Command1->click(); },
                                            [&] { form->Command2->click(); },
                                            [&] { form->Command7->click(); }};
    for (const auto& click : clicks) {
        dialogs.shown.clear();
        answer(Answer::Yes);
        click();
        expectOneFailure();
    }
    EXPECT_EQ(table(), before);
}

TEST_F(RecordEditingTest, WithoutACatalogueEveryChangeIsReported) {
    form->Db.reset();
    onView(1, {q("x")});
    for (QPushButton* button : {form->Command1, form->Command2, form->Command7}) {
        dialogs.shown.clear();
        answer(Answer::Yes);
        button->click();
        expectOneFailure();
    }
}
