#include "core/store/vocabulary.h"
#include "gui/detail_box.h"
#include "support/catalogues.h"
#include "support/window_fixture.h"

#include <QMap>
#include <QSignalSpy>
#include <QTest>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const QString kFoundNone = QStringLiteral("找到 0 个相关函数.");
const QString kSearching = QStringLiteral("Esc取消查询");
const QString kInvalidPattern = QStringLiteral("无效的模式字符串。");
const QStringList kTypes = {"OPENFILENAME", "POINTAPI", "RECT", "SYSTEMTIME"};

class SearchTest : public WindowTest {
protected:
    // Runs the search while `meanwhile` happens at the first look at the input.
    void searchWhile(const QString& pattern, const std::function<void()>& meanwhile) {
        form->setSearchFillSlice({});
        user->duringNextSearch(meanwhile);
        user->search(pattern);
    }
};

}  // namespace

// Names at the edges of the language, and records far apart in ID.
TEST_F(SearchTest, PatternLanguageThroughTheWholeSearch) {
    sql(QStringLiteral(
        "INSERT INTO winfun (name, class, libsclass) VALUES ('O''Brien', 3, 'user32'),"
        " (NULL, 3, 'user32'), ('', 3, 'user32'), ('GetItem7', 3, 'kernel32.dll')"));
    sql(
        QStringLiteral("INSERT INTO winfun (ID, name) VALUES (5000000, 'FarC'),"
                       " (2000000000, 'FarB'), (9223372036854775807, 'FarA')"));
    WindowUser& u = load();
    const struct {
        const char* pattern;
        QStringList names;
    } cases[] = {
        {"gettickcount", {"GetTickCount"}},
        {"Get*Text", {"GetTextExtentPoint32", "GetWindowText", "ImmGetContext"}},
        {"Item#", {"GetItem7"}},
        {"Get[DT]", {"GetDC", "GetTextExtentPoint32", "GetTickCount"}},
        {"o'brien", {"O'Brien"}},
        {"'", {"O'Brien"}},
        {"x' or '1'='1", {}},
        {"' or name is null or name='", {}},
    };
    for (const auto& c : cases) {
        u.search(QString::fromUtf8(c.pattern));
        EXPECT_EQ(u.sortedEntries(), c.names) << c.pattern;
    }
    // Records are listed in ID order, however far apart.
    u.search(QStringLiteral("Far"));
    EXPECT_EQ(u.entries(), (QStringList{"FarC", "FarB", "FarA"}));
    // A single "?" lists every name of at least one character: not the
    // empty name, not the Null one.
    u.search(QStringLiteral("?"));
    EXPECT_EQ(u.entries().size(), 54);
    EXPECT_FALSE(u.entries().contains(QString()));
    EXPECT_TRUE(dialogs.shown.empty());
}

// Each category filter entry finds exactly the records the record view shows
// under that entry, also one just saved there; "所有分类" finds them all.
TEST_F(SearchTest, FiltersFindWhatTheRecordViewShowsAndExactDllText) {
    sql(
        QStringLiteral("INSERT INTO winfun (name, class, libsclass) VALUES ('GetItem7', 3, "
                       "'kernel32.dll')"));
    WindowUser& u = load();
    u.showByName(QStringLiteral("GetDC"));
    u.pick(u.categoryBox, 7);  // 绘图函数
    dialogs.answers.push_back(Answer::Yes);
    u.click(u.saveButton);
    u.search(QStringLiteral("*"));
    QMap<QString, QStringList> shownUnder;
    for (int row = 0; row < u.entries().size(); ++row) {
        u.clickEntry(row);
        shownUnder[u.categoryBox->currentText()] << u.entries()[row];
    }
    EXPECT_TRUE(shownUnder.value(QStringLiteral("绘图函数")).contains("GetDC"));
    const qsizetype all = u.entries().size();
    for (int position = 0; position < u.categoryFilter->count(); ++position) {
        u.pick(u.categoryFilter, position);
        const QString entry = u.categoryFilter->currentText();
        QStringList names = shownUnder.value(entry);
        names.sort();
        if (entry == QStringLiteral("所有分类"))
            EXPECT_EQ(u.entries().size(), all);
        else
            EXPECT_EQ(u.sortedEntries(), names) << entry.toStdString();
    }
    u.pick(u.categoryFilter, 0);
    EXPECT_EQ(u.sortedEntries(), kTypes);

    u.pick(u.categoryFilter, 2);
    u.search(QStringLiteral("Get"));
    u.pick(u.dllFilter, 10);  // user32
    EXPECT_EQ(u.sortedEntries(), (QStringList{"GetDC", "GetSystemMetrics", "GetWindowText"}));
    u.pick(u.dllFilter, 5);  // "kernel32" is not "kernel32.dll"
    EXPECT_EQ(u.sortedEntries(),
              (QStringList{"GetCurrentProcessId", "GetLastError", "GetTickCount"}));
}

// The first entry is shown with its position; finding nothing, an empty
// pattern, a malformed one (said in the status line) or a lost catalogue keep
// the view, with no box.
TEST_F(SearchTest, WhatEachSearchLeavesOnView) {
    WindowUser& u = load();
    u.search(QStringLiteral("Get"));
    ASSERT_EQ(u.entries().size(), 13);
    EXPECT_EQ(u.currentEntry(), 0);
    EXPECT_EQ(u.statusLine->text(), QStringLiteral("GetTickCount 1/13"));
    EXPECT_EQ(u.shown(kNameBox), QStringLiteral("GetTickCount"));
    const struct {
        const char* pattern;
        QString status;
    } cases[] = {{"NoSuchFunction", kFoundNone}, {"[Get", kInvalidPattern}};
    for (const auto& c : cases) {
        u.search(QString::fromLatin1(c.pattern));
        EXPECT_EQ(u.entries().size(), 0);
        EXPECT_EQ(u.statusLine->text(), c.status);
        EXPECT_EQ(u.shown(kIdBox), QStringLiteral("1"));
    }
    // An emptied pattern searches nothing, neither typed nor on a filter pick.
    u.search(QStringLiteral("Sleep"));
    u.search(QString());
    u.pick(u.categoryFilter, 1);
    u.pick(u.dllFilter, 10);
    EXPECT_EQ(u.entries(), QStringList{"Sleep"});
    EXPECT_EQ(u.statusLine->text(), QStringLiteral("Sleep 1/1"));
    EXPECT_TRUE(dialogs.shown.empty());
}

// Esc stops a search at once, also one that finds nothing for a long while:
// what was listed stays, nothing is selected.
TEST_F(SearchTest, EscStopsTheSearchKeepingWhatWasListed) {
    sql(numberedRows(40000));
    WindowUser& u = load();
    form->setSearchFillSlice({});  // look at the input after every row
    for (const char* pattern : {"*", "NoSuchName"}) {
        u.duringNextSearch([&u] { u.pressEsc(); });
        u.search(QString::fromLatin1(pattern));
        EXPECT_EQ(u.entries(), pattern[0] == '*' ? QStringList{"GetTickCount"} : QStringList());
        EXPECT_FALSE((u.currentEntry() >= 0));
        EXPECT_EQ(u.statusLine->text(), kSearching);
        EXPECT_EQ(u.shown(kIdBox), QStringLiteral("NotSet"));
    }
}

// Quick edits make one search, after the last; a pick during a search
// replaces its results for good; typing during one is searched in its turn;
// closing the window stops one and releases the catalogue.
TEST_F(SearchTest, ASupersededSearchGivesWayToTheNewOne) {
    WindowUser& u = load(true);
    QSignalSpy searches(u.resultList->model(), &QAbstractItemModel::modelReset);
    u.typePattern(QStringLiteral("Get"));
    EXPECT_TRUE(u.searchDelay->isActive());
    EXPECT_EQ(searches.count(), 0);
    u.waitForSearch();
    EXPECT_EQ(searches.count(), 1);
    EXPECT_EQ(u.entries().size(), 13);

    searchWhile(QStringLiteral("*"), [&u] { u.pick(u.categoryFilter, 0); });
    EXPECT_EQ(u.sortedEntries(), kTypes);
    EXPECT_EQ(u.statusLine->text(), QStringLiteral("RECT 1/4"));
    EXPECT_EQ(u.shown(kNameBox), QStringLiteral("RECT"));
    u.pick(u.categoryFilter, 2);
    searchWhile(QStringLiteral("*"), [&u] { u.typePattern(QStringLiteral("Sleep")); });
    EXPECT_LT(u.entries().size(), 49);
    ASSERT_TRUE(u.searchDelay->isActive());
    u.waitForSearch();
    EXPECT_EQ(u.entries(), QStringList{"Sleep"});

    searchWhile(QStringLiteral("*"), [this] { form->close(); });
    EXPECT_LT(u.entries().size(), 49);
    EXPECT_FALSE(heldOpen(cataloguePath()));
}

TEST_F(SearchTest, FullTextFindsWhatTheNameSearchMissesInEverySearchableColumn) {
    WindowUser& u = load();
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
        EXPECT_EQ(u.searchAll(QString::fromUtf8(c.pattern)), c.names) << c.where;
        u.search(QString::fromUtf8(c.pattern));
        EXPECT_EQ(u.entries().size(), 0) << c.where;
    }
    // C# declarations are not searched.
    EXPECT_EQ(u.searchAll(QStringLiteral("static extern")), QStringList());
}

// The search ignores the filters and leaves status, selection and view alone;
// a malformed pattern lists nothing and says so in the status line; Esc
// stops the fill. An empty pattern lists every record with a value, a Null
// name as an empty entry that shows its record.
TEST_F(SearchTest, FullTextIgnoresTheFiltersLeavesTheViewAndStopsQuietly) {
    sql(QStringLiteral(
        "INSERT INTO winfun (ID, name, explain) VALUES (200, NULL, 'x'), (201, 'O''Brien', NULL)"));
    sql(QStringLiteral("INSERT INTO winfun (ID) VALUES (202)"));
    WindowUser& u = load();
    u.search(QStringLiteral("Sleep"));
    u.pick(u.categoryFilter, 0);
    u.pick(u.dllFilter, 10);
    const QString status = u.statusLine->text();
    EXPECT_EQ(u.searchAll(QStringLiteral("es")).size(), 49);  // "Yes" in every winnt
    EXPECT_FALSE((u.currentEntry() >= 0));
    EXPECT_EQ(u.shown(kNameBox), QStringLiteral("Sleep"));
    EXPECT_EQ(u.statusLine->text(), status);
    EXPECT_EQ(u.searchAll(QStringLiteral("[z-a]")), QStringList());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(u.statusLine->text(), kInvalidPattern);

    EXPECT_EQ(u.searchAll(QString()).size(), 51);
    const int nameless = static_cast<int>(u.entries().indexOf(QString()));
    ASSERT_GE(nameless, 0);
    u.clickEntry(nameless);
    EXPECT_EQ(u.shown(kIdBox), QStringLiteral("200"));
    u.clickEntry(nameless + 1);
    EXPECT_EQ(u.shown(kIdBox), QStringLiteral("201"));
    EXPECT_EQ(u.searchAll(QStringLiteral("o'b")), QStringList{"O'Brien"});

    form->setSearchFillSlice({});
    u.duringNextSearch([&u] { u.pressEsc(); });
    EXPECT_EQ(u.searchAll(QStringLiteral("es")).size(), 1);
}

// The search runs on exactly the typed text: no completion from the presets,
// and neither Enter nor leaving the box swaps it for a preset spelled alike;
// picking a preset from the list puts the preset in.
TEST_F(SearchTest, TheTypedTextIsWhatIsSearched) {
    WindowUser& u = load();
    u.search(QStringLiteral("s"));
    EXPECT_EQ(u.patternBox->currentText(), QStringLiteral("s"));
    EXPECT_EQ(u.entries().size(), 22);  // every starter name holding an "s"
    u.search(QStringLiteral("*w"));
    EXPECT_EQ(u.patternBox->currentText(), QStringLiteral("*w"));
    u.search(QStringLiteral("get"));
    QTest::keyClick(u.patternBox->lineEdit(), Qt::Key_Return);
    u.box(kExplanationBox).widget()->setFocus();  // the box loses the focus
    EXPECT_EQ(u.patternBox->currentText(), QStringLiteral("get"));
    u.pick(u.patternBox, 2);
    EXPECT_EQ(u.patternBox->currentText(), QStringLiteral("Set"));
    EXPECT_EQ(u.entries().size(), 1);
}

// After the fixed entries: every other spelling the catalogue holds, once,
// sorted without regard to case, and each finds its functions.
TEST_F(SearchTest, DllFilterListsEveryDllOfTheOpenCatalogueAndFindsItsFunctions) {
    sql(QStringLiteral(
        "INSERT INTO winfun (name, class, libsclass) VALUES"
        " ('InternetOpen', 13, 'wininet.dll'), ('InternetCloseHandle', 13, 'wininet.dll'),"
        " ('EnumProcesses', 14, 'psapi.dll'), ('InternetOfThings', 13, 'user32'),"
        " ('OleRun', 13, 'Ole32.dll'), ('OleX', 13, ''), ('NetX', 13, 'kernel32.dll')"));
    WindowUser& u = load();
    const QStringList& fixed = dllList();
    QStringList shown;
    for (int i = 0; i < u.dllFilter->count(); ++i) shown << u.dllFilter->itemText(i);
    EXPECT_EQ(shown.mid(0, fixed.size()), fixed);
    // "Ole32.dll" between the others: a case-sensitive sort would put it first.
    EXPECT_EQ(shown.mid(fixed.size()),
              QStringList({"kernel32.dll", "Ole32.dll", "psapi.dll", "wininet.dll"}));

    u.search(QStringLiteral("Internet"));
    u.pick(u.dllFilter, static_cast<int>(shown.indexOf("wininet.dll")));
    EXPECT_EQ(u.sortedEntries(), (QStringList{"InternetCloseHandle", "InternetOpen"}));
    u.pick(u.dllFilter, static_cast<int>(shown.indexOf("psapi.dll")));
    EXPECT_EQ(u.entries(), QStringList());
    u.search(QStringLiteral("Enum"));
    EXPECT_EQ(u.entries(), QStringList{"EnumProcesses"});
}
