#include "platform/error.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

using tolvane::Error;
namespace err = tolvane::err;
using tolvane::test::failureOf;

namespace {

class StatementTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = dir.open(QStringLiteral("INSERT INTO winfun (name) VALUES ('a'), ('b'), ('c');"));
    }
    int rowCount() {
        return int(db->openRecordset("select count(*) as n from winfun")->field("n").toLongLong());
    }
    tolvane::test::CatalogueDir dir;
    std::unique_ptr<tolvane::Database> db;
};

}  // namespace

TEST_F(StatementTest, OnlyOneStatementRunsPerCall) {
    EXPECT_EQ(failureOf([&] { db->openRecordset("select 1; delete from winfun"); }), err::SqlSyntax);
    EXPECT_EQ(failureOf([&] { db->execute("delete from winfun where ID=1; delete from winfun"); }),
              err::SqlSyntax);
    EXPECT_EQ(failureOf([&] { db->execute("delete from winfun where ID=1; garbage"); }), err::SqlSyntax);
    const QString hidden = QStringLiteral("select ID from winfun") + QChar(0) + "delete from winfun";
    EXPECT_EQ(failureOf([&] { db->openRecordset(hidden); }), err::SqlSyntax);
    EXPECT_EQ(rowCount(), 3);
}

TEST_F(StatementTest, TrailingSemicolonsBlanksAndCommentsAreHarmless) {
    EXPECT_EQ(failureOf([&] { db->openRecordset("select ID from winfun ;  \r\n"); }), 0);
    EXPECT_EQ(failureOf([&] { db->openRecordset("select ID from winfun -- all of them"); }), 0);
    EXPECT_EQ(failureOf([&] { db->execute("delete from winfun where ID=1;;"); }), 0);
    EXPECT_EQ(rowCount(), 2);
}

TEST_F(StatementTest, BadStatementsFailWithTheirNumbers) {
    const std::pair<const char*, int> cases[] = {
        {"select * from winfun where ID =NotSet", err::TooFewParameters},
        {"select * from winfun where ID =", err::SyntaxError},
        {"select * from winfun where ID =?", err::TooFewParameters},
        {"select * from winfun where name='it's'", err::SyntaxError},
        {"select * from nowhere", err::NoSuchTable},
        {"", err::InvalidSql},
        {"  -- nothing", err::InvalidSql},
        {"delete from winfun", err::InvalidOperation},  // a recordset only reads
    };
    for (const auto& [sql, number] : cases)
        EXPECT_EQ(failureOf([&] { db->openRecordset(sql); }), number) << sql;
    EXPECT_EQ(failureOf([&] { db->execute("delete from winfun where ID=NotSet"); }), err::TooFewParameters);
    EXPECT_EQ(failureOf([&] { db->execute("delete from winfun where ID="); }), err::SyntaxError);
    EXPECT_EQ(failureOf([&] { db->execute("select * from winfun"); }), err::CannotExecuteSelect);
    EXPECT_EQ(failureOf([&] { db->openTable("nowhere"); }), err::NoSuchTable);
    EXPECT_EQ(failureOf([&] { db->openTable("winfun\"; delete from winfun; --"); }), err::NoSuchTable);
    EXPECT_EQ(rowCount(), 3);
}

TEST_F(StatementTest, ExecuteTouchingNoRowIsNoFailure) {
    db->execute("delete from winfun where ID=5");
    db->execute("delete from winfun where ID=2");
    db->execute("delete from winfun where ID=2");
    EXPECT_EQ(rowCount(), 2);
}
