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

// The category is class + 1, a Null class keeps the previous one; only the
// exact word "Yes" ticks; Null columns show empty; the declaration box shows
// the column its tag names; an ID that names no record changes nothing.
TEST_F(RecordViewTest, ShowRecordFillsEveryBoxFromItsColumn) {
    sql(QStringLiteral("INSERT INTO winfun (ID, name) VALUES (100, 'Bare')"));
    Form1& f = load();
    f.ShowRecord(QStringLiteral("19"));  // GetSystemMetrics: win95 holds "yes"
    EXPECT_FALSE(f.Ch95->isChecked());
    EXPECT_TRUE(f.ChNT->isChecked());
    EXPECT_EQ(f.CoOut->currentText(), QStringLiteral("硬件与系统函数"));
    f.ShowRecord(QStringLiteral("42"));  // class -1
    EXPECT_EQ(f.CoOut->currentText(), QStringLiteral("Type类型"));
    f.ShowRecord(QStringLiteral("7"));  // class 2
    EXPECT_EQ(f.CoOut->currentText(), QStringLiteral("未分类"));
    f.ShowRecord(QStringLiteral("100"));
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("Bare"));
    for (int i = 1; i < 7; ++i) EXPECT_EQ(f.TOut[i]->text(), QString()) << i;
    EXPECT_EQ(onView(), QStringLiteral("100"));
    EXPECT_FALSE(f.Ch95->isChecked() || f.ChNT->isChecked());
    EXPECT_EQ(f.CoOut->currentText(), QStringLiteral("未分类"));

    f.TOut[3]->setTag(QStringLiteral("CSharp"));
    f.ShowRecord(QStringLiteral("41"));  // LZOpenFile has no C# form
    EXPECT_EQ(f.TOut[3]->text(), QString());
    f.ShowRecord(QStringLiteral("2"));
    EXPECT_TRUE(f.TOut[3]->text().startsWith(QStringLiteral("[DllImport")));
    for (const char* id : {"9999", "NotSet", "", "2 or 1=1"}) {
        f.ShowRecord(QString::fromLatin1(id));
        EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("Sleep")) << id;
        EXPECT_EQ(onView(), QStringLiteral("2"));
    }
}

// Moving past either end, or back from no record, fails with the engine's
// message and keeps the view; next from no record shows the second.
TEST_F(RecordViewTest, NavigationStopsAtBothEnds) {
    Form1& f = load();
    const std::pair<int, const char*> steps[] = {{2, "2"}, {0, "1"}, {1, "1"}, {3, "49"}, {2, "49"}, {1, "48"}};
    for (const auto& [button, id] : steps) {
        f.Goto_Click(button);
        EXPECT_EQ(onView(), QString::fromLatin1(id)) << button;
    }
    f.TOut[7]->setText(QStringLiteral("NotSet"));
    f.Goto_Click(1);
    EXPECT_EQ(onView(), QStringLiteral("NotSet"));
    EXPECT_EQ(dialogs.texts(), QStringList(3, kNoCurrentRecord));
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
}

// Navigation walks the whole catalogue whatever the list, steps over records
// deleted meanwhile, and without a catalogue tells the failure.
TEST_F(RecordViewTest, NavigationWalksTheCatalogueNotTheList) {
    Form1& f = load();
    searchFor(f, QStringLiteral("Sleep"));
    f.Goto_Click(2);
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("CreateFile"));
    EXPECT_EQ(entries(f), QStringList{"Sleep"});
    EXPECT_EQ(f.St->text(), QStringLiteral("Sleep 1/1"));
    EXPECT_EQ(f.L->currentIndex().row(), 0);
    sql(QStringLiteral("DELETE FROM winfun WHERE ID IN (4, 5)"));
    f.Goto_Click(2);
    EXPECT_EQ(onView(), QStringLiteral("6"));
    f.Goto_Click(1);
    EXPECT_EQ(onView(), QStringLiteral("3"));
    EXPECT_TRUE(dialogs.shown.empty());
    f.Db.reset();
    f.Goto_Click(0);
    EXPECT_EQ(onView(), QStringLiteral("3"));
    EXPECT_EQ(dialogs.shown.size(), 1u);
}
