#include "platform/error.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

namespace err = tolvane::err;
using tolvane::test::failureOf;

// Each statement fails with its number (0: runs) and none changes a row
// unless it runs; a recordset only reads and execute never reads.
TEST(StatementTest, OneStatementPerCallAndBadOnesFailWithTheirNumbers) {
    tolvane::test::CatalogueDir dir;
    auto db = dir.open(QStringLiteral("INSERT INTO winfun (name) VALUES ('a'), ('b'), ('c');"));
    const std::pair<QString, int> queries[] = {
        {"select 1; delete from winfun", err::SqlSyntax},
        {QStringLiteral("select ID from winfun") + QChar(0) + "delete from winfun", err::SqlSyntax},
        {"select ID from winfun ;  \r\n", 0},
        {"select ID from winfun -- all of them", 0},
        {"select * from winfun where ID =NotSet", err::TooFewParameters},
        {"select * from winfun where ID =?", err::TooFewParameters},
        {"select * from winfun where ID =", err::SyntaxError},
        {"select * from winfun where name='it's'", err::SyntaxError},
        {"select * from nowhere", err::NoSuchTable},
        {"", err::InvalidSql},
        {"  -- nothing", err::InvalidSql},
        {"delete from winfun", err::InvalidOperation},
    };
    for (const auto& [sql, number] : queries)
        EXPECT_EQ(failureOf([&] { db->openRecordset(sql); }), number) << sql.toStdString();
    const std::pair<const char*, int> statements[] = {
        {"delete from winfun where ID=1; delete from winfun", err::SqlSyntax},
        {"delete from winfun where ID=1; garbage", err::SqlSyntax},
        {"delete from winfun where ID=NotSet", err::TooFewParameters},
        {"delete from winfun where ID=", err::SyntaxError},
        {"select * from winfun", err::CannotExecuteSelect},
        {"delete from winfun where ID=1;;", 0},
        {"delete from winfun where ID=1", 0},  // touching no row is no failure
    };
    for (const auto& [sql, number] : statements)
        EXPECT_EQ(failureOf([&] { db->execute(sql); }), number) << sql;
    EXPECT_EQ(failureOf([&] { db->openTable("winfun\"; delete from winfun; --"); }), err::NoSuchTable);
    EXPECT_EQ(tolvane::test::columnOf(*db, "select name from winfun"), QStringList({"b", "c"}));
}
