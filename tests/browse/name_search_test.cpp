#include "browse/detail_box.h"
#include "browse/search_window.h"
#include "support/catalogues.h"
#include "support/form_fixture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString kFoundNone = QStringLiteral("找到 0 个相关函数.");
const QString kSearching = QStringLiteral("Esc取消查询");
const QStringList kTypes = {"OPENFILENAME", "POINTAPI", "RECT", "SYSTEMTIME"};

class NameSearchTest : public FormTest {
protected:
    // The starter catalogue plus names that test the edges of the language.
    Form1& loadWithExtras() {
        sql(QStringLiteral("INSERT INTO winfun (name, class, libsclass) VALUES ('O''Brien', 3, 'user32'),"
                           " (NULL, 3, 'user32'), ('', 3, 'user32'), ('GetItem7', 3, 'kernel32.dll')"));
        return load();
    }
};

}  // namespace

TEST_F(NameSearchTest, PatternLanguageThroughTheWholeSearch) {
    Form1& f = loadWithExtras();
    const struct {
        const char* pattern;
        QStringList names;
    } cases[] = {
        {"gettickcount", {"GetTickCount"}},
        {"GETTICKCOUNT", {"GetTickCount"}},
        {"Get*Text", {"GetTextExtentPoint32", "GetWindowText", "ImmGetContext"}},
        {"Point##", {"GetTextExtentPoint32"}},
        {"Item#", {"GetItem7"}},
        {"Get[DT]", {"GetDC", "GetTextExtentPoint32", "GetTickCount"}},
        {"Get[!DT]",
         {"GetCurrentProcessId", "GetFileVersionInfoSize", "GetItem7", "GetLastError", "GetOpenFileName",
          "GetSystemMetrics", "GetUserName", "GetWindowText", "ImmGetContext", "NetUserGetInfo", "WNetGetUser"}},
        {"o'brien", {"O'Brien"}},
        {"'", {"O'Brien"}},
        {"x' or '1'='1", {}},
        {"' or name is null or name='", {}},
    };
    for (const auto& c : cases) {
        searchFor(f, QString::fromUtf8(c.pattern));
        EXPECT_EQ(sortedEntries(f), c.names) << c.pattern;
    }
    // A single "?" lists every name of at least one character: not the
    // empty name, not the Null one.
    searchFor(f, QStringLiteral("?"));
    EXPECT_EQ(f.LItems->count(), 51);
    EXPECT_FALSE(entries(f).contains(QString()));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NameSearchTest, FiltersNarrowByCategoryNumberAndExactDllText) {
    Form1& f = loadWithExtras();
    f.T->setEditText(QStringLiteral("*"));
    pick(f.CoLei, 4);  // searches class 2, shown as "未分类" in the record view
    EXPECT_EQ(entries(f), QStringList{"GetLastError"});
    pick(f.CoLei, 1);  // class -1: the types
    EXPECT_EQ(sortedEntries(f), kTypes);
    pick(f.CoLei, 0);  // class -2: nothing has it
    EXPECT_EQ(f.LItems->count(), 0);
    EXPECT_EQ(f.St->text(), kFoundNone);

    pick(f.CoLei, 2);
    f.T->setEditText(QStringLiteral("Get"));
    pick(f.CoDll, 10);  // user32
    EXPECT_EQ(sortedEntries(f), (QStringList{"GetDC", "GetSystemMetrics", "GetWindowText"}));
    pick(f.CoDll, 5);  // "kernel32" is not "kernel32.dll"
    EXPECT_EQ(sortedEntries(f), (QStringList{"GetCurrentProcessId", "GetLastError", "GetTickCount"}));
}

TEST_F(NameSearchTest, EmptyPatternSearchesNothingWhateverTheFilters) {
    Form1& f = load();
    searchFor(f, QStringLiteral("Sleep"));
    f.T->setEditText(QString());
    pick(f.CoLei, 1);
    pick(f.CoDll, 10);
    f.NameSearch();
    EXPECT_EQ(entries(f), QStringList{"Sleep"});
    EXPECT_EQ(f.St->text(), QStringLiteral("Sleep 1/1"));
}

TEST_F(NameSearchTest, FirstEntryIsShownWithItsPositionAndNothingFoundKeepsTheView) {
    Form1& f = load();
    searchFor(f, QStringLiteral("Get"));
    ASSERT_EQ(f.LItems->count(), 13);
    EXPECT_EQ(f.L->currentIndex().row(), 0);
    EXPECT_EQ(f.St->text(), QStringLiteral("GetTickCount 1/13"));
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("GetTickCount"));

    searchFor(f, QStringLiteral("NoSuchFunction"));
    EXPECT_EQ(f.LItems->count(), 0);
    EXPECT_EQ(f.St->text(), kFoundNone);
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("GetTickCount"));
    EXPECT_EQ(f.TOut[7]->text(), QStringLiteral("1"));
}

TEST_F(NameSearchTest, ThreeQuickEditsMakeOneSearchAfterTheLast) {
    Form1& f = load();
    f.T->clearEditText();
    QSignalSpy searches(f.LItems, &QAbstractItemModel::modelReset);
    QTest::keyClicks(f.T->lineEdit(), QStringLiteral("Get"));
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_EQ(searches.count(), 0);
    QSignalSpy ticks(f.Timer1, &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(5000));
    EXPECT_EQ(searches.count(), 1);
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_EQ(f.LItems->count(), 13);
}

TEST_F(NameSearchTest, EscDuringTheFillKeepsWhatWasListedAndSelectsNothing) {
    Form1& f = load();
    f.FillSlice = {};  // look at the input after every row
    QCoreApplication::postEvent(f.T->lineEdit(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    searchFor(f, QStringLiteral("*"));
    EXPECT_EQ(entries(f), QStringList{"GetTickCount"});
    EXPECT_FALSE(f.L->currentIndex().isValid());
    EXPECT_EQ(f.St->text(), kSearching);
    EXPECT_EQ(f.TOut[7]->text(), QStringLiteral("NotSet"));
}

TEST_F(NameSearchTest, EscStopsASearchAlsoWhileNothingMatches) {
    sql(numberedRows(40000));
    Form1& f = load();
    f.FillSlice = {};
    QCoreApplication::postEvent(f.T->lineEdit(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    searchFor(f, QStringLiteral("NoSuchName"));
    EXPECT_EQ(f.LItems->count(), 0);
    EXPECT_EQ(f.St->text(), kSearching);  // stopped, not run to its end
}

TEST_F(NameSearchTest, RecordsFarApartInIdAreAllFoundInIdOrder) {
    sql(QStringLiteral("INSERT INTO winfun (ID, name) VALUES (5000000, 'GetFar'), (2000000000, 'GetFarther'),"
                       " (9223372036854775807, 'GetFarthest')"));
    Form1& f = load();
    searchFor(f, QStringLiteral("GetFar"));
    EXPECT_EQ(entries(f), (QStringList{"GetFar", "GetFarther", "GetFarthest"}));
    searchFor(f, QStringLiteral("Get"));
    EXPECT_EQ(f.LItems->count(), 16);
    EXPECT_EQ(entries(f).back(), QStringLiteral("GetFarthest"));
}

TEST_F(NameSearchTest, APickDuringASearchReplacesItsResultsForGood) {
    Form1& f = load();
    f.FillSlice = {};
    QTimer::singleShot(0, f.CoLei, [&f] { pick(f.CoLei, 1); });
    searchFor(f, QStringLiteral("*"));
    EXPECT_EQ(sortedEntries(f), kTypes);
    EXPECT_EQ(f.St->text(), QStringLiteral("RECT 1/4"));
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("RECT"));
}

TEST_F(NameSearchTest, TypingDuringASearchIsSearchedInItsTurn) {
    Form1& f = load();
    f.FillSlice = {};
    QTimer::singleShot(0, f.T, [&f] {
        f.T->setEditText(QStringLiteral("Sleep"));
        f.T_Change();
    });
    searchFor(f, QStringLiteral("*"));
    EXPECT_LT(f.LItems->count(), 49);
    ASSERT_TRUE(f.Timer1->isActive());
    QSignalSpy ticks(f.Timer1, &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(5000));
    EXPECT_EQ(entries(f), QStringList{"Sleep"});
}

TEST_F(NameSearchTest, ARejectedQueryEndsQuietlyWithNothingListed) {
    Form1& f = load();
    searchFor(f, QStringLiteral("Get"));
    searchFor(f, QStringLiteral("[Get"));  // an unclosed list
    EXPECT_EQ(f.LItems->count(), 0);
    EXPECT_EQ(f.St->text(), kFoundNone);
    searchFor(f, QStringLiteral("Get"));
    f.Db.reset();
    searchFor(f, QStringLiteral("Set"));
    EXPECT_EQ(f.LItems->count(), 0);
    EXPECT_EQ(f.St->text(), kFoundNone);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NameSearchTest, ClosingTheWindowStopsASearchAndReleasesTheCatalogue) {
    Form1& f = load();
    f.FillSlice = {};
    const std::weak_ptr<Database> db = f.Db;
    QTimer::singleShot(0, &f, [&f] { f.close(); });
    searchFor(f, QStringLiteral("*"));
    EXPECT_LT(f.LItems->count(), 49);
    EXPECT_FALSE(f.Db);
    EXPECT_TRUE(db.expired());
}
