#include "browse/detail_box.h"
#include "browse/search_window.h"
#include "support/catalogues.h"
#include "support/form_fixture.h"

#include <QLabel>
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

class SearchTest : public FormTest {
protected:
    // The starter catalogue plus names that test the edges of the language,
    // and records far apart in ID.
    Form1& loadWithExtras() {
        sql(QStringLiteral("INSERT INTO winfun (name, class, libsclass) VALUES ('O''Brien', 3, 'user32'),"
                           " (NULL, 3, 'user32'), ('', 3, 'user32'), ('GetItem7', 3, 'kernel32.dll')"));
        sql(QStringLiteral("INSERT INTO winfun (ID, name) VALUES (5000000, 'FarC'), (2000000000, 'FarB'),"
                           " (9223372036854775807, 'FarA')"));
        return load();
    }
    // Runs the search while `meanwhile` happens at the first look at the input.
    void searchWhile(const QString& pattern, const std::function<void()>& meanwhile) {
        form->FillSlice = {};
        QTimer::singleShot(0, form.get(), meanwhile);
        searchFor(*form, pattern);
    }
    // The full-text search's entries, sorted.
    QStringList searchAll(const QString& pattern) {
        form->T->setEditText(pattern);
        form->Command5_Click();
        return sortedEntries(*form);
    }
    void waitForTheTimer() {
        QSignalSpy ticks(form->Timer1, &QTimer::timeout);
        ASSERT_TRUE(ticks.wait(5000));
    }
};

}  // namespace

TEST_F(SearchTest, PatternLanguageThroughTheWholeSearch) {
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
    // Records are listed in ID order, however far apart.
    searchFor(f, QStringLiteral("Far"));
    EXPECT_EQ(entries(f), (QStringList{"FarC", "FarB", "FarA"}));
    // A single "?" lists every name of at least one character: not the
    // empty name, not the Null one.
    searchFor(f, QStringLiteral("?"));
    EXPECT_EQ(f.LItems->count(), 54);
    EXPECT_FALSE(entries(f).contains(QString()));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SearchTest, FiltersNarrowByCategoryNumberAndExactDllText) {
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

// The first entry is shown with its position; finding nothing, an empty
// pattern, a rejected query or a lost catalogue keep the view, quietly.
TEST_F(SearchTest, WhatEachSearchLeavesOnView) {
    Form1& f = load();
    searchFor(f, QStringLiteral("Get"));
    ASSERT_EQ(f.LItems->count(), 13);
    EXPECT_EQ(f.L->currentIndex().row(), 0);
    EXPECT_EQ(f.St->text(), QStringLiteral("GetTickCount 1/13"));
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("GetTickCount"));
    for (const char* pattern : {"NoSuchFunction", "[Get"}) {
        searchFor(f, QString::fromLatin1(pattern));
        EXPECT_EQ(f.LItems->count(), 0);
        EXPECT_EQ(f.St->text(), kFoundNone);
        EXPECT_EQ(f.TOut[7]->text(), QStringLiteral("1"));
    }
    searchFor(f, QStringLiteral("Sleep"));
    f.T->setEditText(QString());
    pick(f.CoLei, 1);
    pick(f.CoDll, 10);
    f.NameSearch();
    EXPECT_EQ(entries(f), QStringList{"Sleep"});
    EXPECT_EQ(f.St->text(), QStringLiteral("Sleep 1/1"));
    f.Db.reset();
    searchFor(f, QStringLiteral("Set"));
    EXPECT_EQ(f.LItems->count(), 0);
    EXPECT_EQ(f.St->text(), kFoundNone);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SearchTest, ThreeQuickEditsMakeOneSearchAfterTheLast) {
    Form1& f = load();
    f.T->clearEditText();
    QSignalSpy searches(f.LItems, &QAbstractItemModel::modelReset);
    QTest::keyClicks(f.T->lineEdit(), QStringLiteral("Get"));
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_EQ(searches.count(), 0);
    waitForTheTimer();
    EXPECT_EQ(searches.count(), 1);
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_EQ(f.LItems->count(), 13);
}

// Esc stops a search at once, also one that finds nothing for a long while:
// what was listed stays, nothing is selected.
TEST_F(SearchTest, EscStopsTheSearchKeepingWhatWasListed) {
    sql(numberedRows(40000));
    Form1& f = load();
    f.FillSlice = {};  // look at the input after every row
    for (const char* pattern : {"*", "NoSuchName"}) {
        queueEsc(f);
        searchFor(f, QString::fromLatin1(pattern));
        EXPECT_EQ(entries(f), pattern[0] == '*' ? QStringList{"GetTickCount"} : QStringList());
        EXPECT_FALSE(f.L->currentIndex().isValid());
        EXPECT_EQ(f.St->text(), kSearching);
        EXPECT_EQ(f.TOut[7]->text(), QStringLiteral("NotSet"));
    }
}

// A pick during a search replaces its results for good; typing during one is
// searched in its turn.
TEST_F(SearchTest, ASupersededSearchGivesWayToTheNewOne) {
    Form1& f = load();
    searchWhile(QStringLiteral("*"), [&f] { pick(f.CoLei, 1); });
    EXPECT_EQ(sortedEntries(f), kTypes);
    EXPECT_EQ(f.St->text(), QStringLiteral("RECT 1/4"));
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("RECT"));
    pick(f.CoLei, 2);
    searchWhile(QStringLiteral("*"), [&f] {
        f.T->setEditText(QStringLiteral("Sleep"));
        f.T_Change();
    });
    EXPECT_LT(f.LItems->count(), 49);
    ASSERT_TRUE(f.Timer1->isActive());
    waitForTheTimer();
    EXPECT_EQ(entries(f), QStringList{"Sleep"});
}

TEST_F(SearchTest, ClosingTheWindowStopsASearchAndReleasesTheCatalogue) {
    Form1& f = load();
    const std::weak_ptr<Database> db = f.Db;
    searchWhile(QStringLiteral("*"), [&f] { f.close(); });
    EXPECT_LT(f.LItems->count(), 49);
    EXPECT_FALSE(f.Db);
    EXPECT_TRUE(db.expired());
}

TEST_F(SearchTest, FullTextFindsWhatTheNameSearchMissesInEverySearchableColumn) {
    Form1& f = load();
    const struct {
        const char* pattern;
        const char* where;
        QStringList names;
    } cases[] = {
        {"CreateFileW", "othername", {"CreateFile"}},
        {"NetApiBufferFree", "other", {"NetUserGetInfo"}},
        {"暂停半秒", "recode", {"Sleep"}},
        {"线程挂起", "explain", {"Sleep"}},
        {"16", "class", {"CloseHandle", "ImmGetContext", "RegCloseKey", "RegOpenKeyEx"}},
        {"*lpFileName*hTemplateFile", "parameter", {"CreateFile"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(searchAll(QString::fromUtf8(c.pattern)), c.names) << c.where;
        searchFor(f, QString::fromUtf8(c.pattern));
        EXPECT_EQ(f.LItems->count(), 0) << c.where;
    }
    // C# declarations are not searched.
    EXPECT_EQ(searchAll(QStringLiteral("static extern")), QStringList());
}

// The search ignores the filters and leaves status, selection and view alone;
// a rejected query lists nothing and says nothing; Esc stops the fill.
TEST_F(SearchTest, FullTextIgnoresTheFiltersLeavesTheViewAndStopsQuietly) {
    Form1& f = load();
    searchFor(f, QStringLiteral("Sleep"));
    pick(f.CoLei, 0);
    pick(f.CoDll, 10);
    const QString status = f.St->text();
    EXPECT_EQ(searchAll(QStringLiteral("es")).size(), 49);  // "Yes" in every winnt
    EXPECT_FALSE(f.L->currentIndex().isValid());
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("Sleep"));
    EXPECT_EQ(searchAll(QStringLiteral("[z-a]")), QStringList());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(f.St->text(), status);
    f.FillSlice = {};
    queueEsc(f);
    EXPECT_EQ(searchAll(QStringLiteral("es")).size(), 1);
}

TEST_F(SearchTest, FullTextEmptyPatternListsEveryRecordWithAValueNullNamesAsEmptyEntries) {
    sql(QStringLiteral("INSERT INTO winfun (ID, name, explain) VALUES (200, NULL, 'x'), (201, 'O''Brien', NULL)"));
    sql(QStringLiteral("INSERT INTO winfun (ID) VALUES (202)"));
    Form1& f = load();
    EXPECT_EQ(searchAll(QString()).size(), 51);
    const QStringList names = entries(f);
    const int nameless = static_cast<int>(names.indexOf(QString()));
    ASSERT_GE(nameless, 0);
    EXPECT_EQ(f.LItems->itemData(nameless), 200);
    EXPECT_EQ(f.LItems->itemData(nameless + 1), 201);
    EXPECT_EQ(searchAll(QStringLiteral("o'b")), QStringList{"O'Brien"});
}
