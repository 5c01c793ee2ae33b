#include "platform/error.h"
#include "platform/sqlite_recordset.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

using tolvane::Error;
namespace err = tolvane::err;
using tolvane::test::failureOf;

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = dir.open(QStringLiteral(
            "INSERT INTO winfun (name, class, libsclass, explain, declare) VALUES "
            "('GetTickCount', 4, 'kernel32', '', 'Declare Function GetTickCount'),"
            "('CreateFileA', 11, 'kernel32', NULL, NULL),"
            "('O''Brien', 3, 'user32', 'x', NULL);"));
    }
    std::unique_ptr<tolvane::Recordset> open(const QString& sql) { return db->openRecordset(sql); }
    qlonglong id(tolvane::Recordset& rs) { return rs.field("ID").toLongLong(); }

    tolvane::test::CatalogueDir dir;
    std::unique_ptr<tolvane::Database> db;
};

}  // namespace

TEST_F(RecordsetTest, EmptyResultHasNoCurrentRowAndNoMoves) {
    auto rs = open("select * from winfun where ID =99");
    EXPECT_TRUE(rs->eof());
    try {
        rs->field("name");
        FAIL() << "read a field without a current row";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), err::NoCurrentRecord);
        EXPECT_EQ(e.description(), QStringLiteral("无当前记录。"));
    }
    EXPECT_EQ(failureOf([&] { rs->moveNext(); }), err::NoCurrentRecord);
    EXPECT_EQ(failureOf([&] { rs->movePrevious(); }), err::NoCurrentRecord);
    EXPECT_EQ(failureOf([&] { rs->moveFirst(); }), err::NoCurrentRecord);
    EXPECT_EQ(failureOf([&] { rs->moveLast(); }), err::NoCurrentRecord);
}

TEST_F(RecordsetTest, MovingOffEitherEndThenBack) {
    auto rs = open("select ID from winfun");
    EXPECT_EQ(id(*rs), 1);
    rs->moveNext();
    rs->moveNext();
    EXPECT_EQ(id(*rs), 3);
    rs->moveNext();  // off the last row
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(failureOf([&] { rs->field("ID"); }), err::NoCurrentRecord);
    EXPECT_EQ(failureOf([&] { rs->moveNext(); }), err::NoCurrentRecord);
    rs->movePrevious();
    EXPECT_EQ(id(*rs), 3);

    rs->moveFirst();
    rs->movePrevious();  // off the first row
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(failureOf([&] { rs->field("ID"); }), err::NoCurrentRecord);
    EXPECT_EQ(failureOf([&] { rs->movePrevious(); }), err::NoCurrentRecord);
    rs->moveNext();
    EXPECT_EQ(id(*rs), 1);
    rs->moveLast();
    EXPECT_EQ(id(*rs), 3);
}

TEST_F(RecordsetTest, FieldsByNameIgnoringCaseWithNullApartFromEmptyText) {
    auto rs = open("select * from winfun where ID =1");
    EXPECT_EQ(rs->field("NAME").toString(), "GetTickCount");
    EXPECT_EQ(rs->field("id").typeId(), QMetaType::LongLong);
    EXPECT_EQ(rs->field("class").typeId(), QMetaType::LongLong);
    EXPECT_EQ(rs->field("Declare").typeId(), QMetaType::QString);
    EXPECT_TRUE(rs->field("explain").isValid());  // ""
    EXPECT_TRUE(rs->field("explain").toString().isEmpty());
    EXPECT_FALSE(rs->field("CSharp").isValid());  // Null
    EXPECT_EQ(failureOf([&] { rs->field("nonesuch"); }), err::UnknownField);
}

TEST_F(RecordsetTest, ValuesSurviveTheRowCacheExactly) {
    auto rs = open("select -9223372036854775807 - 1 as lowest, -1 as minus, 1099511627776 as big, "
                   "2.5 as real, 'ä中\r\n' as text, '' as empty, x'00ff' as bytes, NULL as nothing");
    rs->moveLast();  // read from the cache, not the statement
    EXPECT_EQ(rs->field("lowest").toLongLong(), std::numeric_limits<qlonglong>::min());
    EXPECT_EQ(rs->field("minus").toLongLong(), -1);
    EXPECT_EQ(rs->field("big").toLongLong(), 1099511627776LL);
    EXPECT_EQ(rs->field("real").toDouble(), 2.5);
    EXPECT_EQ(rs->field("text").toString(), QStringLiteral("ä中\r\n"));
    EXPECT_EQ(rs->field("empty").typeId(), QMetaType::QString);
    EXPECT_EQ(rs->field("bytes").toByteArray(), QByteArray("\x00\xff", 2));
    EXPECT_FALSE(rs->field("nothing").isValid());
}

TEST_F(RecordsetTest, FindFirstAcceptsTheUsualCriteria) {
    auto rs = open("select * from winfun");
    const std::pair<const char*, qlonglong> cases[] = {
        {"ID=2", 2},
        {"ID = 3", 3},
        {"name='CreateFileA'", 2},
        {"name = 'createfilea'", 2},  // text compares without regard to case
        {"name='O''Brien'", 3},
        {"[name] = \"GetTickCount\"", 1},
        {"class>=4 AND libsclass='kernel32'", 1},
        {"class < 4", 3},
        {"class <> 4 and ID > 2", 3},
        {"name LIKE 'create*'", 2},
        {"ID=2.0", 2},
    };
    for (const auto& [criterion, expected] : cases) {
        rs->moveLast();
        rs->findFirst(criterion);
        ASSERT_FALSE(rs->eof()) << criterion;
        EXPECT_EQ(id(*rs), expected) << criterion;
    }
}

TEST_F(RecordsetTest, FindFirstThenStepLikeTheNavigation) {
    auto rs = open("select ID from winfun");
    rs->findFirst("ID=2");
    rs->movePrevious();
    EXPECT_EQ(id(*rs), 1);
    rs->findFirst("ID=2");
    rs->moveNext();
    EXPECT_EQ(id(*rs), 3);
}

TEST_F(RecordsetTest, FindFirstWithoutMatchLeavesNoCurrentRow) {
    auto rs = open("select * from winfun");
    rs->findFirst("ID=42");
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(failureOf([&] { rs->field("ID"); }), err::NoCurrentRecord);
    EXPECT_EQ(failureOf([&] { rs->moveNext(); }), err::NoCurrentRecord);
    EXPECT_EQ(failureOf([&] { rs->movePrevious(); }), err::NoCurrentRecord);
    rs->moveFirst();
    EXPECT_EQ(id(*rs), 1);
    rs->findFirst("explain='nothing'");  // Null never equals anything
    EXPECT_TRUE(rs->eof());
}

TEST_F(RecordsetTest, UnusableCriteriaFailAndKeepThePosition) {
    auto rs = open("select ID, name from winfun");
    rs->moveNext();
    const std::pair<const char*, int> cases[] = {
        {"ID=NotSet", err::UnknownName}, {"Bogus=1", err::UnknownName},
        {"ID=", err::SyntaxError},       {"", err::SyntaxError},
        {"ID=5 6", err::SyntaxError},    {"name='open", err::SyntaxError},
        {"ID 5", err::SyntaxError},      {"ID=5 AND", err::SyntaxError},
        {"ID=-", err::SyntaxError},      {"name LIKE 3", err::SyntaxError},
        {"name LIKE '[x'", err::InvalidPattern},
    };
    for (const auto& [criterion, number] : cases) {
        EXPECT_EQ(failureOf([&] { rs->findFirst(criterion); }), number) << criterion;
        EXPECT_EQ(id(*rs), 2) << criterion;
    }
}

TEST(LazyRecordsetTest, RowsAreReadOnlyAsFarAsTheCallerMoves) {
    tolvane::test::CatalogueDir dir;
    auto db = dir.open(tolvane::test::numberedRows(20000));
    auto rs = db->openRecordset("SELECT name,ID FROM winfun WHERE name LIKE '*'");
    auto& lazy = dynamic_cast<tolvane::SqliteRecordset&>(*rs);
    EXPECT_EQ(lazy.rowsRead(), 1u);
    EXPECT_EQ(rs->field("name").toString(), "Name1");
    rs->moveNext();
    EXPECT_EQ(lazy.rowsRead(), 2u);
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
