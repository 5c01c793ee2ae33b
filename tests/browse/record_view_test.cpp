#include "browse/detail_box.h"
#include "browse/search_window.h"
#include "support/catalogues.h"
#include "support/form_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QListView>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString kNoCurrentRecord = QStringLiteral("无当前记录。");

class RecordViewTest : public FormTest {
protected:
    QString onView() const { return form->TOut[7]->text(); }
    // The error boxes shown so far, each checked for its icon and button.
    QStringList errorBoxes() const {
        QStringList texts;
        for (const auto& box : dialogs.shown) {
            EXPECT_EQ(box.buttons, Buttons::Ok);
            EXPECT_EQ(box.icon, Icon::Critical);
            texts << box.text;
        }
        return texts;
    }
};

}  // namespace

TEST_F(RecordViewTest, ClickShowsTheRecordAndItsPositionInTheList) {
    Form1& f = load();
    searchFor(f, QStringLiteral("File"));
    ASSERT_EQ(entries(f).mid(0, 3), (QStringList{"CreateFile", "ReadFile", "WriteFile"}));
    f.selectResult(2);
    EXPECT_EQ(f.St->text(), QStringLiteral("WriteFile 3/%1").arg(f.LItems->count()));
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("WriteFile"));
    EXPECT_EQ(f.TOut[1]->text(), QStringLiteral("kernel32"));
    EXPECT_EQ(f.TOut[2]->text(), QStringLiteral("向文件句柄的当前位置写入数据。"));
    EXPECT_TRUE(f.TOut[3]->text().startsWith(QStringLiteral("Declare Function WriteFile")));
    EXPECT_EQ(f.TOut[7]->text(), QStringLiteral("5"));
    EXPECT_EQ(f.CoOut->currentIndex(), 12);  // class 11
    EXPECT_TRUE(f.Ch95->isChecked());
    EXPECT_TRUE(f.ChNT->isChecked());
}

TEST_F(RecordViewTest, CountsAndPositionsGoPastThe16BitRange) {
    sql(numberedRows(40000));
    Form1& f = load();
    searchFor(f, QStringLiteral("Name"));
    ASSERT_EQ(f.LItems->count(), 40003);  // with three starter names
    EXPECT_EQ(f.St->text(), QStringLiteral("GetUserName 1/40003"));
    f.selectResult(40002);
    EXPECT_EQ(f.St->text(), QStringLiteral("Name40000 40003/40003"));
    EXPECT_EQ(f.TOut[7]->text(), QStringLiteral("40049"));
}

TEST_F(RecordViewTest, CategoryIsClassPlusOneAndOnlyTheExactWordYesTicks) {
    Form1& f = load();
    f.ShowRecord(QStringLiteral("19"));  // GetSystemMetrics: win95 holds "yes"
    EXPECT_FALSE(f.Ch95->isChecked());
    EXPECT_TRUE(f.ChNT->isChecked());
    EXPECT_EQ(f.CoOut->currentText(), QStringLiteral("硬件与系统函数"));
    f.ShowRecord(QStringLiteral("7"));  // class 2
    EXPECT_EQ(f.CoOut->currentText(), QStringLiteral("未分类"));
    f.ShowRecord(QStringLiteral("42"));  // class -1
    EXPECT_EQ(f.CoOut->currentText(), QStringLiteral("Type类型"));
    f.ShowRecord(QStringLiteral("38"));  // NetUserGetInfo: not on the 95 family
    EXPECT_FALSE(f.Ch95->isChecked());
}

TEST_F(RecordViewTest, NullColumnsShowEmptyAndANullClassKeepsTheCategory) {
    sql(QStringLiteral("INSERT INTO winfun (ID, name) VALUES (100, 'Bare')"));
    Form1& f = load();
    f.ShowRecord(QStringLiteral("7"));
    f.ShowRecord(QStringLiteral("100"));
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("Bare"));
    for (int i = 1; i < 7; ++i) EXPECT_EQ(f.TOut[i]->text(), QString()) << i;
    EXPECT_EQ(f.TOut[7]->text(), QStringLiteral("100"));
    EXPECT_FALSE(f.Ch95->isChecked());
    EXPECT_FALSE(f.ChNT->isChecked());
    EXPECT_EQ(f.CoOut->currentText(), QStringLiteral("未分类"));
}

TEST_F(RecordViewTest, TheDeclarationBoxShowsTheColumnItsTagNames) {
    Form1& f = load();
    f.TOut[3]->setTag(QStringLiteral("CSharp"));
    f.ShowRecord(QStringLiteral("41"));  // LZOpenFile has no C# form
    EXPECT_EQ(f.TOut[3]->text(), QString());
    f.ShowRecord(QStringLiteral("1"));
    EXPECT_TRUE(f.TOut[3]->text().startsWith(QStringLiteral("[DllImport")));
}

TEST_F(RecordViewTest, AnIdThatNamesNoRecordChangesNothing) {
    Form1& f = load();
    f.ShowRecord(QStringLiteral("2"));
    for (const char* id : {"9999", "NotSet", "", "2 or 1=1"}) {
        f.ShowRecord(QString::fromLatin1(id));
        EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("Sleep")) << id;
        EXPECT_EQ(onView(), QStringLiteral("2"));
    }
}

TEST_F(RecordViewTest, NavigationStopsAtBothEndsWithTheStoresMessage) {
    Form1& f = load();
    f.Goto_Click(0);
    EXPECT_EQ(onView(), QStringLiteral("1"));
    f.Goto_Click(1);
    EXPECT_EQ(onView(), QStringLiteral("1"));
    EXPECT_EQ(errorBoxes(), QStringList{kNoCurrentRecord});
    f.Goto_Click(3);
    EXPECT_EQ(onView(), QStringLiteral("49"));
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("GENERIC_READ"));
    f.Goto_Click(2);
    EXPECT_EQ(onView(), QStringLiteral("49"));
    EXPECT_EQ(errorBoxes(), (QStringList{kNoCurrentRecord, kNoCurrentRecord}));
    f.Goto_Click(1);
    EXPECT_EQ(onView(), QStringLiteral("48"));
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(RecordViewTest, BeforeAnyRecordNextShowsTheSecondAndPreviousFails) {
    Form1& f = load();
    f.Goto_Click(2);
    EXPECT_EQ(onView(), QStringLiteral("2"));
    EXPECT_TRUE(dialogs.shown.empty());  // the failed find is cleared by the record shown
    f.TOut[7]->setText(QStringLiteral("NotSet"));
    f.Goto_Click(1);
    EXPECT_EQ(onView(), QStringLiteral("NotSet"));
    EXPECT_EQ(errorBoxes(), QStringList{kNoCurrentRecord});
}

TEST_F(RecordViewTest, NavigationWalksTheWholeCatalogueWhateverTheList) {
    Form1& f = load();
    searchFor(f, QStringLiteral("Sleep"));
    f.Goto_Click(2);
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("CreateFile"));
    EXPECT_EQ(entries(f), QStringList{"Sleep"});
    EXPECT_EQ(f.St->text(), QStringLiteral("Sleep 1/1"));
    EXPECT_EQ(f.L->currentIndex().row(), 0);
}

TEST_F(RecordViewTest, NavigationFromADeletedRecordGoesToItsNeighbours) {
    Form1& f = load();
    f.ShowRecord(QStringLiteral("3"));
    sql(QStringLiteral("DELETE FROM winfun WHERE ID IN (3, 4)"));
    f.Goto_Click(2);
    EXPECT_EQ(onView(), QStringLiteral("5"));
    f.Goto_Click(1);
    EXPECT_EQ(onView(), QStringLiteral("2"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RecordViewTest, NavigationWithoutACatalogueTellsTheFailureAndKeepsTheView) {
    Form1& f = load();
    f.ShowRecord(QStringLiteral("2"));
    f.Db.reset();
    f.Goto_Click(0);
    EXPECT_EQ(onView(), QStringLiteral("2"));
    EXPECT_EQ(errorBoxes().size(), 1);
}
