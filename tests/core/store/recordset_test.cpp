#include "core/store/error.h"
#include "core/store/sqlite_engine.h"
#include "core/store/sqlite_recordset.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

namespace err = tolvane::err;
using tolvane::test::failureOf;

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = dir.open(QStringLiteral(
            "INSERT INTO winfun (name, class, libsclass, win95, explain, declare) VALUES "
            "('GetTickCount', 4, 'kernel32', 'Yes', '', 'Declare Function GetTickCount'),"
            "('CreateFileA', 11, 'kernel32', 'No', NULL, NULL), ('O''Brien', 3, 'user32', 'Yes', "
            "'x', NULL);"));
    }
    std::unique_ptr<tolvane::Recordset> open(const QString& sql) { return db->openRecordset(sql); }
    // A fresh look at one stored row.
    std::unique_ptr<tolvane::Recordset> row(qlonglong id) {
        return open(QStringLiteral("select * from winfun where ID =%1").arg(id));
    }
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
    EXPECT_EQ(failureOf([&] { rs->moveNext(); }), err::NoCurrentRecord);
    rs->movePrevious();
    EXPECT_EQ(id(*rs), 3);
    rs->moveFirst();
    rs->movePrevious();  // off the first row, and back
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

    rs = open("select -9223372036854775807 - 1 as lowest, 'ä中\r\n' as text, x'00ff' as bytes");
    rs->moveLast();  // read from the row cache, not the statement
    EXPECT_EQ(rs->field("lowest").toLongLong(), std::numeric_limits<qlonglong>::min());
    EXPECT_EQ(rs->field("text").toString(), QStringLiteral("ä中\r\n"));
    EXPECT_EQ(rs->field("bytes").toByteArray(), QByteArray("\x00\xff", 2));
}

// A criterion finds the first matching row (its ID), or fails with a number
// and keeps the position (on ID 2).
TEST_F(RecordsetTest, FindFirstCriteriaAndFailures) {
    auto rs = open("select * from winfun");
    const std::pair<const char*, int> found[] = {
        {"name = 'createfilea'", 2},  {"name='O''Brien'", 3},     {"[name] = \"GetTickCount\"", 1},
        {"class <> 4 and ID > 2", 3}, {"name LIKE 'create*'", 2},
    };
    for (const auto& [criterion, expected] : found) {
        rs->moveLast();
        rs->findFirst(criterion);
        EXPECT_EQ(rs->eof() ? 0 : id(*rs), expected) << criterion;
    }
    const std::pair<const char*, int> failing[] = {
        {"Bogus=1", err::UnknownName},           {"ID=", err::SyntaxError},
        {"name='open", err::SyntaxError},        {"ID=5 AND", err::SyntaxError},
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
}

TEST_F(RecordsetTest, AddNewStoresValuesAsTypedUnderANeverReusedId) {
    const QString text = QStringLiteral("it's \"quoted\"'); delete from winfun; --\r\n第二行");
    auto table = db->openTable("winfun");
    table->addNew();
    table->setField("name", text);
    table->setField("CLASS", QVariant::fromValue<short>(-2));
    table->setField("explain", QString(""));
    table->update();
    EXPECT_EQ(table->field("ID").toLongLong(), 4);  // the new row is current
    auto stored = row(4);
    EXPECT_EQ(stored->field("name").toString(), text);
    EXPECT_EQ(stored->field("class").toLongLong(), -2);
    EXPECT_TRUE(stored->field("explain").isValid());
    EXPECT_FALSE(stored->field("libsclass").isValid());  // untouched columns stay Null

    db->execute("delete from winfun where ID=4");
    table->addNew();
    table->update();
    table->moveLast();
    EXPECT_EQ(table->field("ID").toLongLong(), 5);
}

TEST_F(RecordsetTest, EditChangesTheCurrentRowOfAQuery) {
    auto rs = row(2);
    rs->edit();
    rs->setField("name", QStringLiteral("O'Neil \"x\""));
    rs->setField("win95", QVariant());
    rs->update();
    EXPECT_FALSE(rs->field("win95").isValid());  // the recordset shows the stored row
    EXPECT_EQ(row(2)->field("name").toString(), QStringLiteral("O'Neil \"x\""));
    EXPECT_EQ(row(1)->field("name").toString(), "GetTickCount");
}

TEST_F(RecordsetTest, EditingNeedsEditOrAddNewAndAWritableCurrentRow) {
    auto rs = row(1);
    EXPECT_EQ(failureOf([&] { rs->setField("name", "x"); }), err::UpdateWithoutEdit);
    rs->edit();
    EXPECT_EQ(failureOf([&] { rs->setField("ID", 9); }), err::FieldNotUpdatable);
    rs->moveNext();  // leaves the row: the pending edit is dropped
    EXPECT_EQ(failureOf([&] { rs->edit(); }), err::NoCurrentRecord);
    EXPECT_EQ(failureOf([&] { rs->update(); }), err::UpdateWithoutEdit);
    auto readOnly = db->openRecordset("select ID, name || 'x' as n from winfun");
    EXPECT_EQ(failureOf([&] { readOnly->edit(); }), err::CannotUpdate);
    EXPECT_EQ(failureOf([&] { readOnly->addNew(); }), err::CannotUpdate);
}

TEST_F(RecordsetTest, FailedUpdateWritesNothingAndKeepsTheEdit) {
    auto strict = tolvane::SqliteEngine().openDatabase(
        dir.makeFrom("strict.mdb",
                     "CREATE TABLE winfun (ID INTEGER PRIMARY KEY, name TEXT, b TEXT NOT NULL);"
                     "INSERT INTO winfun (name, b) VALUES ('old', 'kept');"));
    auto rs = strict->openRecordset("select * from winfun");
    rs->edit();
    rs->setField("name", "new");
    rs->setField("b", QVariant());
    EXPECT_EQ(failureOf([&] { rs->update(); }), err::ValidationFailed);
    EXPECT_EQ(tolvane::test::columnOf(*strict, "select name from winfun"), QStringList{"old"});
    rs->setField("b", "fixed");
    rs->update();
    EXPECT_EQ(tolvane::test::columnOf(*strict, "select name from winfun"), QStringList{"new"});

    auto gone = row(2);  // a row deleted meanwhile
    db->execute("delete from winfun where ID=2");
    gone->edit();
    gone->setField("name", "ghost");
    EXPECT_EQ(failureOf([&] { gone->update(); }), err::RecordDeleted);
    EXPECT_TRUE(row(2)->eof());
}

TEST(LazyRecordsetTest, RowsAreReadOnlyAsFarAsTheCallerMoves) {
    tolvane::test::CatalogueDir dir;
    auto db = dir.open(tolvane::test::numberedRows(20000));
    auto rs = db->openRecordset("SELECT name,ID FROM winfun WHERE name LIKE '*'");
    auto& lazy = dynamic_cast<tolvane::SqliteRecordset&>(*rs);
    EXPECT_EQ(lazy.rowsRead(), 1u);
    rs->findFirst("ID=500");
    EXPECT_EQ(lazy.rowsRead(), 500u);
    rs->moveLast();
    EXPECT_EQ(lazy.rowsRead(), 20000u);
    rs->findFirst("name='name7'");  // a cached row
    EXPECT_EQ(rs->field("ID").toLongLong(), 7);
}
