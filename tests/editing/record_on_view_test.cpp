// Editing and output with records loaded by the record view.
#include "editing_fixture.h"

#include "browse/result_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

QString q(const char* s) { return QString::fromUtf8(s); }

class RecordOnViewTest : public test::EditingTest {
protected:
    void show(qlonglong id) { form->ShowRecord(QString::number(id)); }
    // Puts one entry in the result list and selects it, as a search would.
    void select(const QString& name) {
        form->LItems->append(name, static_cast<std::int32_t>(idOf(name)));
        form->selectResult(form->LItems->count() - 1);
    }
    void save() {
        dialogs.answers.push_back(Answer::Yes);
        form->Command2->click();
    }
    QString lastShown() const { return dialogs.shown.empty() ? QString() : dialogs.shown.back().text; }
};

}  // namespace

TEST_F(RecordOnViewTest, CopiesTheStoredDeclarationInBothForms) {
    show(idOf("GetTickCount"));
    form->Command3->click();
    EXPECT_EQ(clipboard.text, q("Private Declare Function GetTickCount Lib \"kernel32\" () As Long\r\n"));
    form->Option1[1]->setChecked(true);
    form->Command3->click();
    EXPECT_EQ(clipboard.text,
              q("[DllImport(\"kernel32.dll\")]\r\nprivate static extern uint GetTickCount();\r\n"));
}

TEST_F(RecordOnViewTest, TheSwitchReloadsTheRecordOnViewNotTheListSelection) {
    select("Sleep");
    ASSERT_EQ(box(0).text(), q("Sleep"));
    show(idOf("GetTickCount"));  // stepped on to another record
    form->Option1[1]->setChecked(true);
    EXPECT_EQ(box(0).text(), q("GetTickCount"));
    EXPECT_EQ(box(3).text(), stored(idOf("GetTickCount"), "CSharp").toString());
    form->Option1[0]->setChecked(true);
    EXPECT_EQ(box(3).text(), stored(idOf("GetTickCount"), "declare").toString());
}

TEST_F(RecordOnViewTest, TheSwitchWithoutASelectionStillShowsTheNewColumn) {
    const qlonglong id = idOf("Sleep");
    show(id);
    const QVariant declare = stored(id, "declare");
    form->Option1[1]->setChecked(true);
    EXPECT_EQ(box(3).text(), stored(id, "CSharp").toString());
    // So a save now writes each form into its own column.
    save();
    EXPECT_EQ(lastShown(), q("修改成功!"));
    EXPECT_EQ(stored(id, "declare"), declare);
}

TEST_F(RecordOnViewTest, TheSwitchDiscardsUnsavedEdits) {
    const qlonglong id = idOf("Sleep");
    select("Sleep");
    box(0).setText(q("Edited"));
    static_cast<QPlainTextEdit*>(box(3).widget())->setPlainText(q("edited declaration"));
    form->Option1[1]->setChecked(true);
    EXPECT_EQ(box(0).text(), q("Sleep"));
    EXPECT_EQ(box(3).text(), stored(id, "CSharp").toString());
}

TEST_F(RecordOnViewTest, SwitchingWithTheRecordGoneReloadsNothingAndSavesNothing) {
    const qlonglong id = idOf("Sleep");
    show(id);
    const QString vb = box(3).text();
    sql(QStringLiteral("delete from winfun where ID=%1").arg(id));
    form->Option1[1]->setChecked(true);
    EXPECT_EQ(box(3).text(), vb);
    const QStringList before = table();
    save();
    EXPECT_EQ(table(), before);
    EXPECT_EQ(dialogs.shown.back().icon, Icon::Critical);
    EXPECT_NE(lastShown(), q("修改成功!"));
}

TEST_F(RecordOnViewTest, ARecordSavedUnchangedKeepsEveryColumn) {
    const QStringList before = table();
    const qlonglong quirk = idOf("GetSystemMetrics");  // its win95 reads "yes"
    for (const QString& row : before) {
        const qlonglong id = row.section(QLatin1Char('|'), 0, 0).toLongLong();
        show(id);
        save();
        ASSERT_EQ(lastShown(), q("修改成功!"));
    }
    QStringList expected = before;
    for (QString& row : expected)
        if (row.startsWith(QString::number(quirk) + '|'))
            row.replace(QStringLiteral("|yes|"), QStringLiteral("|No|"));  // only "Yes" ticks the box
    EXPECT_EQ(table(), expected);
}

TEST_F(RecordOnViewTest, AddShowsTheNewRecordOutsideTheListAndASaveFillsIt) {
    select("Sleep");
    const int category = form->CoOut->currentIndex();
    const int rows = table().size();
    dialogs.answers.push_back(Answer::Yes);
    form->Command1->click();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    ASSERT_EQ(table().size(), rows + 1);
    const qlonglong id = box(7).text().toLongLong();
    EXPECT_GT(id, idOf("Sleep"));
    EXPECT_TRUE(stored(id, "ID").isValid());
    EXPECT_EQ(box(0).text(), QString());
    EXPECT_EQ(form->LItems->count(), 1);
    EXPECT_EQ(form->LItems->itemData(0), idOf("Sleep"));

    box(0).setText(q("NewFunction"));
    save();
    EXPECT_EQ(lastShown(), q("修改成功!"));
    EXPECT_EQ(stored(id, "name").toString(), q("NewFunction"));
    // A new row has no category: the one on view before stays and is stored.
    EXPECT_EQ(stored(id, "class").toLongLong(), category - 1);
    EXPECT_EQ(stored(id, "win95").toString(), q("No"));
    EXPECT_EQ(stored(id, "winnt").toString(), q("No"));
}
