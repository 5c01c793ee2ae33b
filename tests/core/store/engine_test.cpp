#include "core/store/error.h"
#include "core/store/sqlite_engine.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

using tolvane::SqliteEngine;
namespace err = tolvane::err;
using tolvane::test::failureOf;

namespace {

const QString kOneRow = QStringLiteral("INSERT INTO winfun (name) VALUES ('GetTickCount');");

}  // namespace

// Both engine identifiers creating, and one made uncreatable failing, are
// proven by the catalogue opener's tests; here: other names and letter case.
TEST(EngineFactoryTest, UnknownEnginesFailWith429AndIdentifiersIgnoreCase) {
    tolvane::SqliteEngineFactory factory;
    EXPECT_EQ(failureOf([&] { factory.create(QStringLiteral("DAO.DBEngine.120")); }),
              err::CannotCreateObject);
    factory.setUncreatable(QStringLiteral("dao.dbengine.36"));
    EXPECT_EQ(failureOf([&] { factory.create(QStringLiteral("DAO.DBEngine.36")); }),
              err::CannotCreateObject);
}

// Each way of opening fails with the number of its cause, or succeeds (0).
TEST(EngineOpenTest, OpeningFailsWithTheNumberOfItsCause) {
    tolvane::test::CatalogueDir dir;
    const QString plain = dir.make(QStringLiteral("winapi.mdb"), kOneRow);
    const QString secret =
        dir.make(QStringLiteral("secret.mdb"), kOneRow, QStringLiteral("s3cr;et"));
    const QString missing = dir.path(QStringLiteral("missing.mdb"));
    const QString empty = dir.writeFile(QStringLiteral("empty.mdb"), {});
    QByteArray noise(4096, '\0');  // a page of noise reads as encrypted
    for (int i = 0; i < noise.size(); ++i) noise[i] = char((i * 7919) % 251);
    const QString pipe = dir.path(QStringLiteral("pipe.mdb"));  // reading would wait for ever
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct {
        QString path;
        const char* connect;  // nullptr: the one-argument open
        int number;
    } cases[] = {
        {dir.path(QStringLiteral("*.mdb")), nullptr, err::NotValidFileName},
        {missing, ";PWD=x", err::CannotFindFile},
        {secret, nullptr, err::NotValidPassword},
        {secret, ";PWD=s3cr", err::NotValidPassword},
        {secret, ";PWD=s3cr;et", 0},
        {plain, ";PWD=any", 0},
        {QString(plain).replace('/', '\\'), nullptr, 0},
        {empty, nullptr, err::NotInDatabase},
        {dir.writeFile(QStringLiteral("cut.mdb"),
                       QByteArray("SQLite format 3\0", 16) + QByteArray(84, 'x')),
         nullptr, err::NotInDatabase},
        {dir.writeFile(QStringLiteral("noise.mdb"), noise), ";PWD=x", err::NotValidPassword},
        {pipe, nullptr, err::FileInUse},
    };
    SqliteEngine engine;
    for (const auto& c : cases) {
        const int number = failureOf([&] {
            auto db = c.connect ? engine.openDatabase(c.path, false, false,
                                                      QString::fromLatin1(c.connect))
                                : engine.openDatabase(c.path);
            EXPECT_EQ(tolvane::test::columnOf(*db, QStringLiteral("select name from winfun")),
                      QStringList{"GetTickCount"});
        });
        EXPECT_EQ(number, c.number) << c.path.toStdString() << ' ' << (c.connect ? c.connect : "");
    }
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(QFileInfo(empty).size(), 0);
}

// Writes through a read-only open fail; a closed database invalidates its
// recordsets, which may still be finalized safely.
TEST(EngineOpenTest, ReadOnlyAndClosedDatabases) {
    tolvane::test::CatalogueDir dir;
    auto db = SqliteEngine().openDatabase(dir.make(QStringLiteral("winapi.mdb"), kOneRow), false,
                                          true, QString());
    EXPECT_EQ(failureOf([&] { db->execute("delete from winfun"); }), err::CannotUpdate);
    auto rs = db->openRecordset("select * from winfun");
    db->close();
    EXPECT_EQ(failureOf([&] { rs->field("name"); }), err::ObjectClosed);
    EXPECT_EQ(failureOf([&] { db->execute("delete from winfun"); }), err::ObjectClosed);
}

// Each statement fails with its number (0: runs) and none changes a row
// unless it runs; a recordset only reads and execute never reads.
TEST(StatementTest, OneStatementPerCallAndBadOnesFailWithTheirNumbers) {
    tolvane::test::CatalogueDir dir;
    auto db = dir.open(QStringLiteral("INSERT INTO winfun (name) VALUES ('a'), ('b'), ('c');"));
    const std::pair<QString, int> queries[] = {
        {"select 1; delete from winfun", err::SqlSyntax},
        {QStringLiteral("select ID from winfun") + QChar(0) + "delete from winfun", err::SqlSyntax},
        {"select ID from winfun ;  \r\n", 0},
        {"select * from winfun where ID =NotSet", err::TooFewParameters},
        {"select * from winfun where name='it's'", err::SyntaxError},
        {"select * from nowhere", err::NoSuchTable},
        {"  -- nothing", err::InvalidSql},
        {"delete from winfun", err::InvalidOperation},
    };
    for (const auto& [sql, number] : queries)
        EXPECT_EQ(failureOf([&] { db->openRecordset(sql); }), number) << sql.toStdString();
    const std::pair<const char*, int> statements[] = {
        {"delete from winfun where ID=1; delete from winfun", err::SqlSyntax},
        {"select * from winfun", err::CannotExecuteSelect},
        {"delete from winfun where ID=1", 0},  // touching no row is no failure
    };
    for (const auto& [sql, number] : statements)
        EXPECT_EQ(failureOf([&] { db->execute(sql); }), number) << sql;
    EXPECT_EQ(failureOf([&] { db->openTable("winfun\"; delete from winfun; --"); }),
              err::NoSuchTable);
    EXPECT_EQ(tolvane::test::columnOf(*db, "select name from winfun"), QStringList({"b", "c"}));
}
