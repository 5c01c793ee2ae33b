#include "platform/error.h"
#include "platform/sqlite_engine.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

using tolvane::Error;
using tolvane::SqliteEngine;
namespace err = tolvane::err;
using tolvane::test::failureOf;

namespace {

const QString kOneRow = QStringLiteral("INSERT INTO winfun (name) VALUES ('GetTickCount');");

QString firstName(tolvane::Database& db) {
    return db.openRecordset(QStringLiteral("select name from winfun"))->field("name").toString();
}

}  // namespace

TEST(EngineFactoryTest, BothEngineIdentifiersCreateAndOthersFailWith429) {
    tolvane::SqliteEngineFactory factory;
    EXPECT_NE(factory.create(QStringLiteral("DAO.DBEngine.36")), nullptr);
    EXPECT_NE(factory.create(QStringLiteral("DAO.DBEngine.35")), nullptr);
    EXPECT_EQ(failureOf([&] { factory.create(QStringLiteral("DAO.DBEngine.120")); }),
              err::CannotCreateObject);
    EXPECT_EQ(failureOf([&] { factory.create(QString()); }), err::CannotCreateObject);

    factory.setUncreatable(QStringLiteral("dao.dbengine.36"));
    EXPECT_EQ(failureOf([&] { factory.create(QStringLiteral("DAO.DBEngine.36")); }),
              err::CannotCreateObject);
    EXPECT_NE(factory.create(QStringLiteral("DAO.DBEngine.35")), nullptr);
}

TEST(EngineOpenTest, UnusableNamesFailWith3055) {
    tolvane::test::CatalogueDir dir;
    dir.make(QStringLiteral("winapi.mdb"));
    SqliteEngine engine;
    for (const QString& name : {dir.path("*.mdb"), dir.path("winap?.mdb"), QString(), dir.path("")})
        EXPECT_EQ(failureOf([&] { engine.openDatabase(name); }), err::NotValidFileName) << name.toStdString();
}

TEST(EngineOpenTest, MissingFileFailsWith3024AndIsNotCreated) {
    tolvane::test::CatalogueDir dir;
    const QString missing = dir.path("winapi.mdb");
    SqliteEngine engine;
    try {
        engine.openDatabase(missing);
        FAIL() << "opened a missing file";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), err::CannotFindFile);
        EXPECT_TRUE(e.description().contains(missing));
    }
    EXPECT_EQ(failureOf([&] { engine.openDatabase(missing, false, false, ";PWD=x"); }),
              err::CannotFindFile);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(EngineOpenTest, BackslashesSeparateFolders) {
    tolvane::test::CatalogueDir dir;
    QString path = dir.make(QStringLiteral("winapi.mdb"), kOneRow);
    path.replace('/', '\\');
    EXPECT_EQ(firstName(*SqliteEngine().openDatabase(path)), "GetTickCount");
}

TEST(EngineOpenTest, EncryptedFileNeedsTheRightPassword) {
    tolvane::test::CatalogueDir dir;
    const QString path = dir.make(QStringLiteral("winapi.mdb"), kOneRow, QStringLiteral("s3cr;et"));
    SqliteEngine engine;
    EXPECT_EQ(failureOf([&] { engine.openDatabase(path); }), err::NotValidPassword);
    EXPECT_EQ(failureOf([&] { engine.openDatabase(path, false, false, ";PWD="); }), err::NotValidPassword);
    EXPECT_EQ(failureOf([&] { engine.openDatabase(path, false, false, ";PWD=s3cr"); }), err::NotValidPassword);
    EXPECT_EQ(failureOf([&] { engine.openDatabase(path, false, false, ";PWD=S3CR;ET"); }), err::NotValidPassword);
    auto db = engine.openDatabase(path, false, false, ";PWD=s3cr;et");
    EXPECT_EQ(firstName(*db), "GetTickCount");
}

TEST(EngineOpenTest, PlainFileIgnoresAPassword) {
    tolvane::test::CatalogueDir dir;
    const QString path = dir.make(QStringLiteral("winapi.mdb"), kOneRow);
    EXPECT_EQ(firstName(*SqliteEngine().openDatabase(path, false, false, ";PWD=any")), "GetTickCount");
}

TEST(EngineOpenTest, FilesThatAreNoCatalogueFailWith3343AndStayUntouched) {
    tolvane::test::CatalogueDir dir;
    SqliteEngine engine;
    const QString text = dir.writeFile("notes.mdb", "This is a text file, not a catalogue.\r\n");
    const QString empty = dir.writeFile("empty.mdb", {});
    const QString cut = dir.writeFile("cut.mdb", QByteArray("SQLite format 3\0", 16) + QByteArray(84, 'x'));
    for (const QString& path : {text, empty, cut}) {
        try {
            engine.openDatabase(path);
            ADD_FAILURE() << "opened " << path.toStdString();
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), err::NotInDatabase) << path.toStdString();
            EXPECT_TRUE(e.description().startsWith(QStringLiteral("不可识别的数据库格式")));
        }
    }
    EXPECT_EQ(QFileInfo(empty).size(), 0);
}

TEST(EngineOpenTest, PageSizedNoiseReadsAsEncrypted) {
    tolvane::test::CatalogueDir dir;
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i) noise[i] = char((i * 7919) % 251);
    const QString path = dir.writeFile("noise.mdb", noise);
    SqliteEngine engine;
    EXPECT_EQ(failureOf([&] { engine.openDatabase(path); }), err::NotValidPassword);
    EXPECT_EQ(failureOf([&] { engine.openDatabase(path, false, false, ";PWD=x"); }), err::NotValidPassword);
}

TEST(EngineOpenTest, FileThatCannotBeReadFailsWith3051) {
    tolvane::test::CatalogueDir dir;
    // A pipe: opening it for reading would wait for a writer for ever.
    const QString pipe = dir.path("pipe.mdb");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(failureOf([&] { SqliteEngine().openDatabase(pipe); }), err::FileInUse);

    if (geteuid() == 0) GTEST_SKIP() << "file permissions do not bind root";
    const QString path = dir.make(QStringLiteral("winapi.mdb"));
    QFile::setPermissions(path, QFileDevice::Permissions());
    EXPECT_EQ(failureOf([&] { SqliteEngine().openDatabase(path); }), err::FileInUse);
}

TEST(EngineOpenTest, ReadOnlyOpenRefusesWritesAndKeepsData) {
    tolvane::test::CatalogueDir dir;
    const QString path = dir.make(QStringLiteral("winapi.mdb"), kOneRow);
    auto db = SqliteEngine().openDatabase(path, false, true, QString());
    EXPECT_EQ(failureOf([&] { db->execute("delete from winfun"); }), err::CannotUpdate);
    auto table = db->openTable("winfun");
    table->addNew();
    EXPECT_EQ(failureOf([&] { table->update(); }), err::CannotUpdate);
    EXPECT_EQ(firstName(*db), "GetTickCount");
}

TEST(EngineOpenTest, ExclusiveOpenKeepsOthersOutUntilClosed) {
    tolvane::test::CatalogueDir dir;
    const QString path = dir.make(QStringLiteral("winapi.mdb"), kOneRow);
    SqliteEngine engine;
    auto first = engine.openDatabase(path, true, false, QString());
    EXPECT_EQ(failureOf([&] { engine.openDatabase(path); }), err::FileInUse);
    first->close();
    EXPECT_EQ(firstName(*engine.openDatabase(path)), "GetTickCount");
}

TEST(EngineOpenTest, ClosingTheDatabaseInvalidatesItsRecordsets) {
    tolvane::test::CatalogueDir dir;
    auto db = dir.open(kOneRow);
    auto rs = db->openRecordset("select * from winfun");
    db->close();
    EXPECT_EQ(failureOf([&] { rs->field("name"); }), err::ObjectClosed);
    EXPECT_EQ(failureOf([&] { rs->moveNext(); }), err::ObjectClosed);
    EXPECT_EQ(failureOf([&] { db->execute("delete from winfun"); }), err::ObjectClosed);
    rs.reset();  // finalizing after the close is safe
    db->close();
}
