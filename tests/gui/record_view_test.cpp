#include "gui/record_panel.h"
#include "support/catalogues.h"
#include "support/window_fixture.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString kNoCurrentRecord = QStringLiteral("无当前记录。");

class RecordViewTest : public WindowTest {
protected:
    QString onView() const { return user->shown(kIdBox); }
    void go(int button) { user->click(user->navigationButtons[static_cast<std::size_t>(button)]); }
};

}  // namespace

TEST_F(RecordViewTest, CountsAndPositionsGoPastThe16BitRange) {
    sql(numberedRows(40000));
    WindowUser& u = load();
    u.search(QStringLiteral("Name"));
    ASSERT_EQ(u.entries().size(), 40003);  // with three starter names
    EXPECT_EQ(u.statusLine->text(), QStringLiteral("GetUserName 1/40003"));
    u.clickEntry(40002);
    EXPECT_EQ(u.statusLine->text(), QStringLiteral("Name40000 40003/40003"));
    EXPECT_EQ(onView(), QStringLiteral("40049"));
}

// Each box shows its column; the category is class + 1, a Null class keeps
// the previous one; "Yes" in any letter case ticks; Null columns show
// empty; the declaration box shows the column of the chosen form.
TEST_F(RecordViewTest, EveryBoxShowsItsColumn) {
    sql(QStringLiteral("INSERT INTO winfun (ID, name) VALUES (100, 'Bare')"));
    WindowUser& u = load();
    u.showByName(QStringLiteral("WriteFile"));
    EXPECT_EQ(u.shown(kDllBox), QStringLiteral("kernel32"));
    EXPECT_EQ(u.shown(kExplanationBox), QStringLiteral("向文件句柄的当前位置写入数据。"));
    EXPECT_TRUE(u.shown(kDeclarationBox).startsWith(QStringLiteral("Declare Function WriteFile")));
    EXPECT_EQ(onView(), QStringLiteral("5"));
    EXPECT_EQ(u.categoryBox->currentIndex(), 12);      // class 11
    u.showByName(QStringLiteral("GetSystemMetrics"));  // win95 holds "yes"
    EXPECT_TRUE(u.win95Check->isChecked());
    EXPECT_TRUE(u.winntCheck->isChecked());
    EXPECT_EQ(u.categoryBox->currentText(), QStringLiteral("硬件与系统函数"));
    u.showByName(QStringLiteral("RECT"));  // class -1
    EXPECT_EQ(u.categoryBox->currentText(), QStringLiteral("Type类型"));
    u.showByName(QStringLiteral("GetLastError"));  // class 2
    EXPECT_EQ(u.categoryBox->currentText(), QStringLiteral("未分类"));
    u.showByName(QStringLiteral("Bare"));
    EXPECT_EQ(u.shown(kNameBox), QStringLiteral("Bare"));
    for (int i = kDllBox; i < kIdBox; ++i) EXPECT_EQ(u.shown(i), QString()) << i;
    EXPECT_EQ(onView(), QStringLiteral("100"));
    EXPECT_FALSE(u.win95Check->isChecked() || u.winntCheck->isChecked());
    EXPECT_EQ(u.categoryBox->currentText(), QStringLiteral("未分类"));

    u.click(u.formButtons[kCSharpForm]);
    u.showByName(QStringLiteral("LZOpenFile"));  // no C# form
    EXPECT_EQ(u.shown(kDeclarationBox), QString());
    u.showByName(QStringLiteral("Sleep"));
    EXPECT_TRUE(u.shown(kDeclarationBox).startsWith(QStringLiteral("[DllImport")));
}

// Navigation walks the whole catalogue whatever the list, and steps over
// records deleted meanwhile; moving past either end, or back from no record,
// fails with the engine's message and keeps the view; next from no record
// shows the second.
TEST_F(RecordViewTest, NavigationWalksTheCatalogueAndStopsAtBothEnds) {
    WindowUser& u = load();
    go(kPreviousRecord);
    EXPECT_EQ(onView(), QStringLiteral("NotSet"));
    const std::pair<int, const char*> steps[] = {{2, "2"},  {0, "1"},  {1, "1"},
                                                 {3, "49"}, {2, "49"}, {1, "48"}};
    for (const auto& [button, id] : steps) {
        go(button);
        EXPECT_EQ(onView(), QString::fromLatin1(id)) << button;
    }
    EXPECT_EQ(dialogs.texts(), QStringList(3, kNoCurrentRecord));
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
    dialogs.shown.clear();

    u.search(QStringLiteral("Sleep"));
    go(kNextRecord);
    EXPECT_EQ(u.shown(kNameBox), QStringLiteral("CreateFile"));
    EXPECT_EQ(u.entries(), QStringList{"Sleep"});
    EXPECT_EQ(u.statusLine->text(), QStringLiteral("Sleep 1/1"));
    EXPECT_EQ(u.currentEntry(), 0);
    sql(QStringLiteral("DELETE FROM winfun WHERE ID IN (4, 5)"));
    go(kNextRecord);
    EXPECT_EQ(onView(), QStringLiteral("6"));
    go(kPreviousRecord);
    EXPECT_EQ(onView(), QStringLiteral("3"));
    EXPECT_TRUE(dialogs.shown.empty());
}

// Every click on an entry shows it, also on the entry already selected; a
// keyboard move shows the entry it moves to; the focus arriving in the list
// chooses nothing.
TEST_F(RecordViewTest, ClicksAndKeysChooseEntriesFocusDoesNot) {
    WindowUser& u = load();
    u.search(QStringLiteral("File"));
    ASSERT_EQ(onView(), QStringLiteral("3"));  // CreateFile, the first entry
    go(kNextRecord);
    ASSERT_EQ(onView(), QStringLiteral("4"));
    u.clickEntry(0);
    EXPECT_EQ(onView(), QStringLiteral("3"));
    EXPECT_EQ(u.statusLine->text().section(QLatin1Char(' '), 1),
              QStringLiteral("1/%1").arg(u.entries().size()));
    QTest::keyClick(u.resultList, Qt::Key_Down);
    EXPECT_EQ(u.shown(kNameBox), QStringLiteral("ReadFile"));

    // After a full-text search nothing is chosen, and Tab into the list
    // changes nothing on view.
    u.searchAll(QStringLiteral("线程挂起"));
    ASSERT_EQ(u.entries(), QStringList{"Sleep"});
    u.patternBox->setFocus();
    QTest::keyClick(u.patternBox->lineEdit(), Qt::Key_Tab);
    QTest::keyClick(u.categoryFilter, Qt::Key_Tab);
    QTest::keyClick(u.dllFilter, Qt::Key_Tab);
    ASSERT_TRUE(u.resultList->hasFocus());
    EXPECT_EQ(u.shown(kNameBox), QStringLiteral("ReadFile"));
    EXPECT_EQ(u.currentEntry(), -1);
}

// A long name shows from its start, in full in the entry's tip, and cut
// short in the status line, whose position stays whole and whose font fits
// its height.
TEST_F(RecordViewTest, LongNamesStayReadable) {
    const QString name =
        QStringLiteral("Long") + QString(300, QLatin1Char('x')) + QStringLiteral("_Tail");
    sql(QStringLiteral("INSERT INTO winfun (ID, name) VALUES (100, '%1')").arg(name));
    WindowUser& u = load();
    u.search(QStringLiteral("_Tail"));
    ASSERT_EQ(u.entries(), QStringList{name});
    const QString status = u.statusLine->text();
    EXPECT_TRUE(status.endsWith(QStringLiteral("… 1/1"))) << status.toStdString();
    EXPECT_LE(u.statusLine->fontMetrics().horizontalAdvance(status),
              u.statusLine->contentsRect().width());
    EXPECT_LE(u.statusLine->fontMetrics().height(), u.statusLine->height());
    EXPECT_EQ(u.statusLine->toolTip(), name + QStringLiteral(" 1/1"));
    EXPECT_EQ(static_cast<QLineEdit*>(u.box(kNameBox).widget())->cursorPosition(), 0);

    const QRect entry = u.resultList->visualRect(u.resultList->model()->index(0, 0));
    QHelpEvent tip(QEvent::ToolTip, entry.center(),
                   u.resultList->viewport()->mapToGlobal(entry.center()));
    QCoreApplication::sendEvent(u.resultList->viewport(), &tip);
    EXPECT_EQ(QToolTip::text(), name);
    // Entries are as wide as the list (a longer name is elided there) and
    // never scroll sideways, alone or among shorter ones.
    for (const char* pattern : {"_Tail", "*"}) {
        u.search(QString::fromLatin1(pattern));
        for (int row : {0, int(u.entries().size()) - 1})
            EXPECT_EQ(u.resultList->visualRect(u.resultList->model()->index(row, 0)).width(),
                      u.resultList->viewport()->width());
        EXPECT_FALSE(u.resultList->horizontalScrollBar()->isVisible());
    }
}
