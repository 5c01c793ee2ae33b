#include "platform/error.h"
#include "platform/sqlite_recordset.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

namespace err = tolvane::err;
using tolvane::test::failureOf;

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = dir.open(QStringLiteral(
            "INSERT INTO winfun (name, class, libsclass, explain, declare) VALUES "
            "('GetTickCount', 4, 'kernel32', '', 'Declare Function GetTickCount'),"
            "('CreateFileA', 11, 'kernel32', NULL, NULL), ('O''Brien', 3, 'user32', 'x', NULL);"));
    }
    std::unique_ptr<tolvane::Recordset> open(const QString& sql) { return db->openRecordset(sql); }
    static qlonglong id(tolvane::Recordset& rs) { return rs.field("ID").toLongLong(); }
    // Reads and moves both ways fail with 3021: there is no current row.
    static void expectNoCurrentRow(tolvane::Recordset& rs) {
        EXPECT_TRUE(rs.eof());
        EXPECT_EQ(failureOf([&] { rs.field("ID"); }), err::NoCurrentRecord);
        EXPECT_EQ(failureOf([&] { rs.moveNext(); }), err::NoCurrentRecord);
        EXPECT_EQ(failureOf([&] { rs.movePrevious(); }), err::NoCurrentRecord);
    }

    tolvane::test::CatalogueDir dir;
    std::unique_ptr<tolvane::Database> db;
};

}  // namespace

TEST_F(RecordsetTest, MovesStopAtBothEndsWithNoCurrentRecord) {
    auto empty = open("select * from winfun where ID =99");
    expectNoCurrentRow(*empty);
    EXPECT_EQ(failureOf([&] { empty->moveLast(); }), err::NoCurrentRecord);

    auto rs = open("select ID from winfun");
    EXPECT_EQ(id(*rs), 1);
    rs->moveLast();
    rs->moveNext();  // off the last row, and back
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(failureOf([&] { rs->field("ID"); }), err::NoCurrentRecord);
    EXPECT_EQ(failureOf([&] { rs->moveNext(); }), err::NoCurrentRecord);
    rs->movePrevious();
    EXPECT_EQ(id(*rs), 3);
    rs->moveFirst();
    rs->movePrevious();  // off the first row, and back
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(failureOf([&] { rs->movePrevious(); }), err::NoCurrentRecord);
    rs->moveNext();
    EXPECT_EQ(id(*rs), 1);
}

TEST_F(RecordsetTest, FieldsByNameWithNullApartFromEmptyTextAndExactValues) {
    auto rs = open("select * from winfun where ID =1");
    EXPECT_EQ(rs->field("NAME").toString(), "GetTickCount");
    EXPECT_EQ(rs->field("class").typeId(), QMetaType::LongLong);
    EXPECT_TRUE(rs->field("explain").isValid());  // ""
    EXPECT_FALSE(rs->field("CSharp").isValid());  // Null
    EXPECT_EQ(failureOf([&] { rs->field("nonesuch"); }), err::UnknownField);

    rs = open("select -9223372036854775807 - 1 as lowest, 2.5 as real, 'ä中\r\n' as text, x'00ff' as bytes, "
              "NULL as nothing");
    rs->moveLast();  // read from the row cache, not the statement
    EXPECT_EQ(rs->field("lowest").toLongLong(), std::numeric_limits<qlonglong>::min());
    EXPECT_EQ(rs->field("real").toDouble(), 2.5);
    EXPECT_EQ(rs->field("text").toString(), QStringLiteral("ä中\r\n"));
    EXPECT_EQ(rs->field("bytes").toByteArray(), QByteArray("\x00\xff", 2));
    EXPECT_FALSE(rs->field("nothing").isValid());
}

// A criterion finds the first matching row (its ID), or fails with a number
// and keeps the position (on ID 2).
TEST_F(RecordsetTest, FindFirstCriteriaAndFailures) {
    auto rs = open("select * from winfun");
    const std::pair<const char*, int> found[] = {
        {"ID=2", 2}, {"ID = 3", 3}, {"name = 'createfilea'", 2}, {"name='O''Brien'", 3},
        {"[name] = \"GetTickCount\"", 1}, {"class>=4 AND libsclass='kernel32'", 1},
        {"class <> 4 and ID > 2", 3}, {"name LIKE 'create*'", 2}, {"ID=2.0", 2},
    };
    for (const auto& [criterion, expected] : found) {
        rs->moveLast();
        rs->findFirst(criterion);
        EXPECT_EQ(rs->eof() ? 0 : id(*rs), expected) << criterion;
    }
    const std::pair<const char*, int> failing[] = {
        {"ID=NotSet", err::UnknownName}, {"Bogus=1", err::UnknownName}, {"ID=", err::SyntaxError},
        {"", err::SyntaxError}, {"ID=5 6", err::SyntaxError}, {"name='open", err::SyntaxError},
        {"ID 5", err::SyntaxError}, {"ID=5 AND", err::SyntaxError}, {"name LIKE 3", err::SyntaxError},
        {"name LIKE '[x'", err::InvalidPattern},
    };
    rs->findFirst("ID=2");
    for (const auto& [criterion, number] : failing) {
        EXPECT_EQ(failureOf([&] { rs->findFirst(criterion); }), number) << criterion;
        EXPECT_EQ(id(*rs), 2) << criterion;
    }
    rs->movePrevious();  // steps from the found row
    EXPECT_EQ(id(*rs), 1);
    rs->findFirst("explain='nothing'");  // no match; Null never equals anything
    expectNoCurrentRow(*rs);
    rs->moveFirst();
    EXPECT_EQ(id(*rs), 1);
}

TEST(LazyRecordsetTest, RowsAreReadOnlyAsFarAsTheCallerMoves) {
    tolvane::test::CatalogueDir dir;
    auto db = dir.open(tolvane::test::numberedRows(20000));
    auto rs = db->openRecordset("SELECT name,ID FROM winfun WHERE name LIKE '*'");
    auto& lazy = dynamic_cast<tolvane::SqliteRecordset&>(*rs);
    EXPECT_EQ(lazy.rowsRead(), 1u);
    rs->findFirst("ID=500");
    EXPECT_EQ(lazy.rowsRead(), 500u);
    rs->moveFirst();
    EXPECT_EQ(lazy.rowsRead(), 500u);
    rs->moveLast();
    EXPECT_EQ(lazy.rowsRead(), 20000u);
    EXPECT_EQ(rs->field("name").toString(), "Name20000");
    rs->findFirst("name='name7'");
    EXPECT_EQ(rs->field("ID").toLongLong(), 7);
}
