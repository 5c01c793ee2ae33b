// Damaged, malformed and hostile catalogue files, worked in the real window:
// nothing hangs, nothing wrong is shown, damage is told, nothing runs that
// the catalogue's own reads and writes do not need.

#include "gui/editing_fixture.h"
#include "gui/search_texts.h"
#include "support/catalogues.h"

#include <QFile>
#include <QRandomGenerator>

namespace tolvane::test {
namespace {

// The columns every catalogue has, for crafted tables of another shape.
const QString kColumns = QStringLiteral(
    "name TEXT, class INTEGER, libsclass TEXT, win95 TEXT, winnt TEXT, explain TEXT, declare TEXT, "
    "CSharp TEXT, parameter TEXT, recode TEXT, returned TEXT, othername TEXT, other TEXT");

class HostileCatalogueTest : public EditingTest {
protected:
    void SetUp() override {}  // each test puts its file in place first

    // Replaces the catalogue the window opens by a file made from `sql`.
    void craft(const QString& sql) {
        const QString made = files_.makeFrom(QStringLiteral("crafted.mdb"), sql);
        QFile::remove(cataloguePath());
        ASSERT_TRUE(QFile::copy(made, cataloguePath()));
        QFile::setPermissions(cataloguePath(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(made);
    }
    QByteArray bytes() {
        QFile f(cataloguePath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    QString status() const { return user->statusLine->text(); }

    CatalogueDir files_;
};

}  // namespace

// An ID that is no whole number (a text in an untyped column, or a text key)
// is skipped and counted once; the search ends and lists every other row.
TEST_F(HostileCatalogueTest, IdsThatAreNoWholeNumbersAreSkippedAndToldOnce) {
    for (const QString& id : {QStringLiteral("ID"), QStringLiteral("ID TEXT PRIMARY KEY")}) {
        SCOPED_TRACE(id.toStdString());
        craft(
            QStringLiteral(
                "CREATE TABLE winfun (%1, %2);"
                "INSERT INTO winfun (ID, name) VALUES (1, 'GetA'), ('abc', 'GetB'), (2.5, 'GetC'),"
                " (3, 'GetD'), ('x7', 'Other');")
                .arg(id, kColumns));
        load();
        dialogs.shown.clear();
        user->search(QStringLiteral("Get*"));
        EXPECT_EQ(user->sortedEntries(), QStringList({"GetA", "GetD"}));
        EXPECT_EQ(user->searchAll(QStringLiteral("Get")), QStringList({"GetA", "GetD"}));
        EXPECT_EQ(dialogs.texts(), QStringList(2, skippedIdsText(2)));
        user->clickEntry(static_cast<int>(user->entries().indexOf(QStringLiteral("GetD"))));
        EXPECT_EQ(user->shown(kNameBox), QStringLiteral("GetD"));
    }
}

// Rows sharing an ID are each reached once by the navigation buttons, both
// ways, each showing itself; the steps go on from the row chosen in the
// list, not from its twin. A text ID comes after the numbers (the list's
// order), and its record saves; a row without an ID is left out.
TEST_F(HostileCatalogueTest, NavigationReachesEachRowOfASharedId) {
    craft(QStringLiteral("CREATE TABLE winfun (ID, %1);"
                         "INSERT INTO winfun (ID, name) VALUES (7, 'Seven'), (1, 'One'),"
                         " (NULL, 'None'), ('x7', 'Text'), (7, 'Seven again'), (9, 'Nine'),"
                         " (7, 'Seven thrice');")
              .arg(kColumns));
    load();
    const auto onView = [&] { return user->shown(kNameBox) + u' ' + user->shown(kIdBox); };
    // The records one button and then another step through, up to an end.
    const auto steps = [&](int from, int step) {
        dialogs.shown.clear();
        QStringList names;
        user->click(user->navigationButtons[std::size_t(from)]);
        while (dialogs.shown.empty() && names.size() < 10) {
            names << onView();
            user->click(user->navigationButtons[std::size_t(step)]);
        }
        EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("无当前记录。")});
        EXPECT_EQ(onView(), names.value(names.size() - 1));  // the end stays on view
        return names;
    };
    const QStringList order = {"One 1",          "Seven 7", "Seven again 7",
                               "Seven thrice 7", "Nine 9",  "Text x7"};
    EXPECT_EQ(steps(kFirstRecord, kNextRecord), order);
    user->typeInto(kExplanationBox, QStringLiteral("typed"));
    click(user->saveButton);
    EXPECT_EQ(lastShown(), QStringLiteral("修改成功!"));
    EXPECT_EQ(user->shown(kExplanationBox), QStringLiteral("typed"));  // as stored now
    EXPECT_EQ(steps(kLastRecord, kPreviousRecord), QStringList(order.rbegin(), order.rend()));

    user->search(QStringLiteral("Seven again"));
    user->clickEntry(0);
    user->click(user->navigationButtons[kNextRecord]);
    EXPECT_EQ(user->shown(kNameBox), QStringLiteral("Seven thrice"));
    user->click(user->navigationButtons[kPreviousRecord]);
    user->click(user->navigationButtons[kPreviousRecord]);
    EXPECT_EQ(user->shown(kNameBox), QStringLiteral("Seven"));
}

// A file that is no catalogue (here winfun is a view without end) is
// refused at open naming the file and the fault, as a file that cannot be
// opened: the window comes up with empty lists, a search finds nothing and
// says so quietly, and the refused file and the settings stay as they were.
TEST_F(HostileCatalogueTest, FilesThatAreNoCatalogueAreRefusedAtOpen) {
    craft(QStringLiteral(
        "CREATE TABLE t (ID INTEGER PRIMARY KEY, name TEXT);"
        "CREATE VIEW winfun AS WITH RECURSIVE r(ID, name) AS (SELECT 1, 'x' UNION ALL"
        " SELECT ID + 1, name FROM r) SELECT * FROM r;"));
    const QByteArray before = bytes();
    const auto storedSettings = settings.entries;
    load();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(lastShown().contains(cataloguePath()) &&
                lastShown().contains(QStringLiteral("winfun 是视图，不是表")))
        << lastShown().toStdString();
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
    EXPECT_EQ(user->patternBox->count() + user->categoryFilter->count() +
                  user->categoryBox->count() + user->dllFilter->count(),
              0);
    user->search(QStringLiteral("*"));
    EXPECT_TRUE(user->entries().isEmpty());
    EXPECT_EQ(status(), QStringLiteral("没有打开的数据库。"));
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(settings.entries, storedSettings);
}

// A trigger that would write elsewhere is denied: the save is reported as
// failed and neither the record nor the other table changes. In a table
// keyed by name without rowids an emptied name is an empty key, which
// saves; a name another row has is told as a duplicate and writes nothing;
// adding says that such a table takes no new rows.
TEST_F(HostileCatalogueTest, SavesRefusedByTheFileSayWhyAndWriteNothing) {
    craft(dataFile(QStringLiteral("schema.sql")) +
          QStringLiteral("INSERT INTO winfun (name, explain) VALUES ('GetA', 'old');"
                         "CREATE TABLE spy (x TEXT);"
                         "CREATE TRIGGER t AFTER UPDATE ON winfun BEGIN INSERT INTO spy VALUES "
                         "(new.name); END;"));
    load();
    show(QStringLiteral("GetA"));
    user->typeInto(kExplanationBox, QStringLiteral("new"));
    const QStringList before = table();
    click(user->saveButton);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].icon, Icon::Critical);
    EXPECT_TRUE(dialogs.shown[1].text.contains(QStringLiteral("被拒绝")))
        << lastShown().toStdString();
    EXPECT_EQ(table(), before);
    EXPECT_EQ(user->shown(kExplanationBox), QStringLiteral("new"));

    craft(QStringLiteral("CREATE TABLE winfun (ID INTEGER, name TEXT PRIMARY KEY, %1) WITHOUT "
                         "ROWID; INSERT INTO winfun (ID, name) VALUES (1, 'GetA'), (2, 'GetB');")
              .arg(kColumns.section(u',', 1)));
    load();
    show(QStringLiteral("GetA"));
    for (const auto& [typed, answer] :
         {std::pair{QStringLiteral("GetB"),
                    QStringLiteral("索引或主关键字中出现重复值，更改没有成功。")},
          std::pair{QString(), QStringLiteral("修改成功!")}}) {
        user->typeInto(kNameBox, typed);
        click(user->saveButton);
        EXPECT_EQ(lastShown(), answer);
    }
    click(user->addButton);
    EXPECT_TRUE(lastShown().contains(QStringLiteral("WITHOUT ROWID"))) << lastShown().toStdString();
    EXPECT_EQ(value(QStringLiteral("select group_concat(quote(name)) as v from winfun")).toString(),
              QStringLiteral("'','GetB'"));
}

// IDs above 2^32 and at the 64-bit limit: a click shows exactly that record,
// and save and delete change exactly it.
TEST_F(HostileCatalogueTest, SixtyFourBitIdsReachExactlyTheClickedRecord) {
    craft(dataFile(QStringLiteral("schema.sql")) +
          QStringLiteral(
              "INSERT INTO winfun (ID, name, explain) VALUES (5, 'Func5', 'five'),"
              " (4294967301, 'FuncBig', 'big'), (9223372036854775807, 'FuncMax', 'max');"));
    load();
    for (const auto& [name, id] :
         {std::pair{QStringLiteral("FuncBig"), QStringLiteral("4294967301")},
          std::pair{QStringLiteral("FuncMax"), QStringLiteral("9223372036854775807")}}) {
        SCOPED_TRACE(name.toStdString());
        show(name);
        EXPECT_EQ(user->shown(kIdBox), id);
        EXPECT_EQ(user->shown(kNameBox), name);
        user->typeInto(kExplanationBox, QStringLiteral("edited"));
        click(user->saveButton);
        EXPECT_EQ(stored(id.toLongLong(), "explain").toString(), QStringLiteral("edited"));
    }
    EXPECT_EQ(stored(5, "explain").toString(), QStringLiteral("five"));
    show(QStringLiteral("FuncBig"));
    click(user->deleteButton);
    EXPECT_FALSE(stored(4294967301, "ID").isValid());
    EXPECT_EQ(value(QStringLiteral("select count(*) as v from winfun")).toInt(), 2);
}

// Random bytes over a page in the middle of the names' index and of the
// table: the search that reaches the damage ends with one error box, keeps
// what it listed before, and says it was cut short.
TEST_F(HostileCatalogueTest, DamageMidwayIsReportedOnceAndEarlierRowsStay) {
    // The index made after the rows takes the file's last pages.
    QString sql = dataFile(QStringLiteral("schema.sql"));
    sql.remove(
        QStringLiteral("CREATE INDEX winfun_search ON winfun (ID, name, class, libsclass);"));
    for (int i = 1; i <= 3000; ++i)
        sql += QStringLiteral("INSERT INTO winfun (name, explain) VALUES ('Func%1', '%2');")
                   .arg(i)
                   .arg(QString(40, QLatin1Char('a' + i % 26)));
    craft(sql +
          QStringLiteral("CREATE INDEX winfun_search ON winfun (ID, name, class, libsclass);"));
    QByteArray file = bytes();
    const qsizetype page = 4096, pages = file.size() / page;
    QRandomGenerator random(7);
    for (const qsizetype damaged : {pages / 3, pages - 5})
        for (qsizetype i = damaged * page; i < (damaged + 1) * page; ++i)
            file[i] = static_cast<char>(random.bounded(256));
    QFile out(cataloguePath());
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();

    load();
    for (const bool fullText : {false, true}) {
        SCOPED_TRACE(fullText ? "full text" : "names");
        dialogs.shown.clear();
        if (fullText)
            user->searchAll(QStringLiteral("aaa"));
        else
            user->search(QStringLiteral("Func*"));
        const qsizetype listed = user->entries().size();
        ASSERT_EQ(dialogs.shown.size(), 1u) << status().toStdString();
        EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
        EXPECT_GT(listed, 0);
        EXPECT_LT(listed, fullText ? 116 : 3000);  // every 26th row holds "aaa"
        EXPECT_EQ(status(), cutShortText(listed));
    }
}

// A catalogue deleted while the window has it open: the save names the path
// and says the file is gone, and what the user typed stays on screen.
TEST_F(HostileCatalogueTest, ASaveAfterTheFileVanishedSaysSoAndKeepsTheTypedTexts) {
    craft(dataFile(QStringLiteral("schema.sql")) +
          QStringLiteral("INSERT INTO winfun (name, explain) VALUES ('GetA', 'old');"));
    load();
    show(QStringLiteral("GetA"));
    user->typeInto(kExplanationBox, QStringLiteral("typed"));
    ASSERT_TRUE(QFile::remove(cataloguePath()));
    click(user->saveButton);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(lastShown().contains(cataloguePath())) << lastShown().toStdString();
    EXPECT_TRUE(lastShown().contains(QStringLiteral("已不存在"))) << lastShown().toStdString();
    EXPECT_EQ(user->shown(kExplanationBox), QStringLiteral("typed"));
    EXPECT_FALSE(QFile::exists(cataloguePath()));
}

}  // namespace tolvane::test
