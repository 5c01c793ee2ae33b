// A catalogue file is only data: what it declares beyond winfun's rows is
// refused or never run, a cancel flag stops any statement, and a file that
// is gone is never written.
#include "core/store/catalogue_store.h"
#include "core/store/connection.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>

#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <thread>

using namespace tolvane;
using tolvane::test::CatalogueDir;
using tolvane::test::queryTexts;

namespace {

const QString kTable = QStringLiteral(
    "CREATE TABLE winfun (ID INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, class INTEGER);"
    "INSERT INTO winfun (name) VALUES ('GetTickCount');");

std::unique_ptr<Connection> open(const QString& path) {
    Result<std::unique_ptr<Connection>> connection = Connection::open(path, {}, {});
    EXPECT_TRUE(connection.ok()) << connection.status().message().toStdString();
    return connection.ok() ? std::move(*connection) : nullptr;
}

}  // namespace

// A file opens only when winfun is a table with ID and name, in any case,
// and no virtual table is declared; otherwise NotACatalogue names the file
// and the fault.
TEST(CatalogueSchemaTest, FilesThatHoldNoCatalogueAreRefusedNamingTheFault) {
    CatalogueDir dir;
    const struct {
        const char* file;
        QString sql;
        const char* fault;  // nullptr: opens
    } cases[] = {
        {"none.mdb", "CREATE TABLE other (ID INTEGER PRIMARY KEY, name TEXT);", "没有 winfun"},
        {"ftswinfun.mdb", "CREATE VIRTUAL TABLE winfun USING fts3(ID, name);", "虚拟表"},
        {"noname.mdb", "CREATE TABLE winfun (ID INTEGER PRIMARY KEY, title TEXT);", "缺少 name"},
        // a schema entry rewritten by hand, with a comment inside the keywords
        {"hidden.mdb",
         kTable + "CREATE VIRTUAL TABLE r USING rtree(id, a, b); PRAGMA writable_schema=ON;"
                  "UPDATE sqlite_master SET sql = 'create /* x */ virtual\ntable r using rtree(id, "
                  "a, b)' WHERE name = 'r';",
         "虚拟表"},
        {"case.mdb", "CREATE TABLE WinFun (id TEXT PRIMARY KEY, NAME TEXT);", nullptr},
        // what a newer SQLite writes (a STRICT table) reads as a malformed schema here
        {"strict.mdb",
         kTable + "PRAGMA writable_schema=ON; UPDATE sqlite_master SET sql = 'CREATE TABLE "
                  "winfun (ID INTEGER, name TEXT) STRICT' WHERE name = 'winfun';",
         "由较新版本的 SQLite 建立"},
        // what would run functions of the file's choosing on every write
        {"exprindex.mdb", kTable + "CREATE INDEX x ON winfun (upper(name));",
         "索引 x 建在表达式上"},
        {"where.mdb", kTable + "CREATE INDEX w ON winfun (name) WHERE name LIKE 'a%';",
         "索引 w 的条件调用函数 LIKE"},
        {"default.mdb",
         "CREATE TABLE winfun (ID INTEGER PRIMARY KEY, name TEXT, [explain] BLOB "
         "DEFAULT (zeroblob(200000000)));",
         "winfun 表 explain 列的默认值调用函数 zeroblob"},
        {"check.mdb",
         "CREATE TABLE winfun (ID INTEGER PRIMARY KEY, name TEXT, /* ( */ CHECK (\"length\"(name) "
         "< 10));",
         "winfun 表的检查约束调用函数 length"},
        // literal defaults, checks without calls, plain and partial indexes
        {"literal.mdb",
         "CREATE TABLE winfun (ID INTEGER PRIMARY KEY, name TEXT DEFAULT 'x(' CHECK (name <> ''), "
         "class INTEGER DEFAULT -1, win95 TEXT DEFAULT 0, other DEFAULT CURRENT_TIMESTAMP, "
         "declare VARCHAR(10) DEFAULT (NULL));"
         "CREATE INDEX n ON winfun (name COLLATE NOCASE DESC, class) WHERE class IN (1, 2);"
         "CREATE INDEX p ON winfun (name);",
         nullptr},
    };
    for (const auto& c : cases) {
        const QString path = dir.makeFrom(c.file, c.sql);
        const Status opened = CatalogueStore::open(path).status();
        if (!c.fault) {
            EXPECT_TRUE(opened.ok()) << c.file << ' ' << opened.message().toStdString();
            continue;
        }
        EXPECT_EQ(opened.code(), StatusCode::NotACatalogue) << c.file;
        EXPECT_TRUE(opened.message().contains(path) &&
                    opened.message().contains(QString::fromUtf8(c.fault)))
            << opened.message().toStdString();
    }
}

// Statements may read winfun and the schema and change winfun rows; anything
// else, and anything a trigger or view of the file would do, is Denied,
// naming what was refused, and changes nothing.
TEST(CatalogueGuardTest, OnlyTheCataloguesOwnReadsAndWritesPass) {
    CatalogueDir dir;
    const QString path =
        dir.makeFrom("guarded.mdb", kTable +
                                        "CREATE TABLE log (x TEXT);"
                                        "CREATE VIEW onWinfun AS SELECT * FROM winfun;"
                                        "CREATE TRIGGER keep AFTER UPDATE ON winfun "
                                        "BEGIN INSERT INTO log VALUES (new.name); END;");
    auto connection = open(path);
    ASSERT_TRUE(connection);
    for (const char* sql :
         {"select * from log", "select * from onWinfun", "select fts3_tokenizer('simple')",
          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT i FROM n",
          "select * from sqlite_temp_master", "CREATE TABLE x (a)", "DROP TABLE log",
          "ATTACH 'other.mdb' AS o", "PRAGMA writable_schema=ON",
          "CREATE TEMP TRIGGER t AFTER DELETE ON winfun BEGIN SELECT 1; END"})
        EXPECT_EQ(connection->run(sql).code(), StatusCode::Denied) << sql;

    // A save that would fire the trigger is refused, naming it and its target.
    auto store = test::openStore(path);
    ASSERT_TRUE(store);
    const Record shown = *store->record(1);
    Record record = shown;
    record.set(Column::Name, QStringLiteral("Changed"));
    const Status refused = store->save(shown, record, {Column::Name});
    EXPECT_EQ(refused.code(), StatusCode::Denied);
    EXPECT_TRUE(refused.message().contains("keep") && refused.message().contains("log"))
        << refused.message().toStdString();
    // Adding (with its key counter) and deleting fire no trigger and pass.
    EXPECT_TRUE(store->add().ok());
    EXPECT_TRUE(store->remove(shown).ok());
    EXPECT_EQ(queryTexts(path, "select name from winfun"), QStringList{""});
    EXPECT_EQ(queryTexts(path, "select count(*) from log"), QStringList{"0"});
}

// A raised cancel flag stops a long statement, also inside one long pattern
// match, and a write before its commit, also one busy writing a huge value;
// once it is lowered statements run again.
TEST(CancelFlagTest, StopsLongStatementsAndMatchesAtOnce) {
    CatalogueDir dir;
    auto connection = open(dir.make("big.mdb", test::numberedRows(3000) +
                                                   "INSERT INTO winfun (name) VALUES "
                                                   "(replace(hex(zeroblob(5000000)), '0', 'a'));"));
    ASSERT_TRUE(connection);
    std::atomic<bool> cancel = false;
    connection->setCancelFlag(&cancel);
    const QByteArray statements[] = {
        "select count(*) from winfun a, winfun b, winfun c",
        "select count(*) from winfun where name LIKE '*" + QByteArray(2000, 'a') + "b*'"};
    for (const QByteArray& sql : statements) {
        cancel = false;
        std::thread esc([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            cancel = true;
        });
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(connection->run(sql).code(), StatusCode::Cancelled) << sql.left(50).data();
        esc.join();
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    }
    cancel = false;
    EXPECT_TRUE(connection->run("select count(*) from winfun").ok());

    // Raised once a write's last statement has run, it still rolls the
    // write back.
    const auto renamed = [&] {
        return connection->write([&] {
            const Status updated = connection->run("update winfun set name = 'X' where ID = 1");
            cancel = true;
            return updated;
        });
    };
    EXPECT_EQ(renamed().code(), StatusCode::Cancelled);
    cancel = false;
    // A write of a huge value spends its time in a few steps of file work:
    // it answers there, and a cancel raised then rolls it back.
    const QByteArray huge(30'000'000, 'h');
    connection->setPatience([&](std::chrono::milliseconds) { cancel = true; });
    const Status written = connection->write([&]() -> Status {
        Result<Connection::Use> use = connection->statement("update winfun set name = ? where ID = 1");
        if (!use.ok()) return use.status();
        sqlite3_bind_text64(use->get(), 1, huge.constData(), huge.size(), SQLITE_STATIC, SQLITE_UTF8);
        const int rc = sqlite3_step(use->get());
        return rc == SQLITE_DONE ? Status() : connection->failure(rc);
    });
    EXPECT_EQ(written.code(), StatusCode::Cancelled);
    connection->setPatience({});
    cancel = false;
    EXPECT_EQ(queryTexts(connection->path(), "select name from winfun where ID = 1"),
              QStringList{"Name1"});
}

// Once the path names no file, or another file, a write fails naming the
// path and the file that was opened stays as it was; reading goes on.
TEST(FileGoneTest, WritesFailNamingThePathOnceTheFileIsDeletedOrReplaced) {
    CatalogueDir dir;
    const QString row1 = QStringLiteral("INSERT INTO winfun (name) VALUES ('GetTickCount');");
    const QString path = dir.make("winapi.mdb", row1);
    const QString kept = dir.path("kept.mdb");  // a second name for the file deleted below
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(kept).constData()), 0);
    const QString other = dir.make("other.mdb", "INSERT INTO winfun (name) VALUES ('Other');");

    for (const bool replaced : {false, true}) {
        if (replaced) dir.make("winapi.mdb", row1);
        auto opened = test::openStore(path);
        ASSERT_TRUE(opened);
        CatalogueStore& store = *opened;
        if (replaced)
            ASSERT_EQ(std::rename(QFile::encodeName(other).constData(),
                                  QFile::encodeName(path).constData()),
                      0);
        else
            ASSERT_TRUE(QFile::remove(path));
        Record record = *store.record(1);
        record.set(Column::Name, QStringLiteral("Changed"));
        for (const Status& write :
             {store.remove(record), store.save(record, record, {Column::Name}),
              store.add().status()}) {
            EXPECT_EQ(write.code(), StatusCode::FileGone);
            EXPECT_TRUE(write.message().contains(path)) << write.message().toStdString();
        }
        EXPECT_EQ(store.record(1)->text(Column::Name), QStringLiteral("GetTickCount"));
    }
    // The deleted file, and the file that replaced the other one, are unchanged.
    EXPECT_EQ(queryTexts(kept, "select name from winfun"), QStringList{"GetTickCount"});
    EXPECT_EQ(queryTexts(path, "select name from winfun"), QStringList{"Other"});
}
