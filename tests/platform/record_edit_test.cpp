#include "platform/error.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

using tolvane::Error;
namespace err = tolvane::err;
using tolvane::test::failureOf;

namespace {

class RecordEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = dir.open(QStringLiteral(
            "INSERT INTO winfun (name, class, win95) VALUES ('GetTickCount', 4, 'Yes'),"
            "('CreateFileA', 11, 'No');"));
    }
    // A fresh look at one stored row.
    std::unique_ptr<tolvane::Recordset> row(qlonglong id) {
        return db->openRecordset(QStringLiteral("select * from winfun where ID =%1").arg(id));
    }
    // What the record-adding code does: append, MoveLast, read ID.
    qlonglong addEmptyRow() {
        auto table = db->openTable("winfun");
        table->addNew();
        table->update();
        table->moveLast();
        return table->field("ID").toLongLong();
    }
    tolvane::test::CatalogueDir dir;
    std::unique_ptr<tolvane::Database> db;
};

}  // namespace

TEST_F(RecordEditTest, AddNewAppendsARowOfDefaultsWithANewId) {
    auto table = db->openTable("winfun");
    table->addNew();
    table->update();
    EXPECT_EQ(table->field("ID").toLongLong(), 3);  // the new row is current
    table->moveLast();
    EXPECT_EQ(table->field("ID").toLongLong(), 3);
    auto stored = row(3);
    ASSERT_FALSE(stored->eof());
    for (const char* column : {"name", "class", "libsclass", "win95", "explain", "declare", "CSharp"})
        EXPECT_FALSE(stored->field(column).isValid()) << column;
}

TEST_F(RecordEditTest, IdsAreNeverReusedAfterDelete) {
    const qlonglong first = addEmptyRow();
    db->execute(QStringLiteral("delete from winfun where ID=%1").arg(first));
    EXPECT_EQ(addEmptyRow(), first + 1);
}

TEST_F(RecordEditTest, AddedValuesAreStoredAsTyped) {
    const QString text = QStringLiteral("it's \"quoted\"'); delete from winfun; --\r\n第二行");
    auto table = db->openTable("winfun");
    table->addNew();
    table->setField("name", text);
    table->setField("CLASS", QVariant::fromValue<short>(-2));
    table->setField("explain", QString(""));
    table->update();
    auto stored = row(3);
    EXPECT_EQ(stored->field("name").toString(), text);
    EXPECT_EQ(stored->field("class").typeId(), QMetaType::LongLong);
    EXPECT_EQ(stored->field("class").toLongLong(), -2);
    EXPECT_TRUE(stored->field("explain").isValid());
    EXPECT_EQ(db->openRecordset("select count(*) as n from winfun")->field("n").toLongLong(), 3);
}

TEST_F(RecordEditTest, EditChangesTheCurrentRowOfAQuery) {
    auto rs = row(2);
    rs->edit();
    rs->setField("name", QStringLiteral("O'Neil \"x\""));
    rs->setField("class", QVariant::fromValue<short>(5));
    rs->setField("win95", QVariant());
    EXPECT_EQ(rs->field("name").toString(), QStringLiteral("O'Neil \"x\""));  // the pending value
    rs->update();
    EXPECT_EQ(rs->field("class").toLongLong(), 5);  // the recordset shows the stored row
    auto stored = row(2);
    EXPECT_EQ(stored->field("name").toString(), QStringLiteral("O'Neil \"x\""));
    EXPECT_FALSE(stored->field("win95").isValid());
    EXPECT_EQ(row(1)->field("name").toString(), "GetTickCount");
}

TEST_F(RecordEditTest, EditingNeedsEditOrAddNewAndAWritableCurrentRow) {
    auto rs = row(1);
    EXPECT_EQ(failureOf([&] { rs->setField("name", "x"); }), err::UpdateWithoutEdit);
    EXPECT_EQ(failureOf([&] { rs->update(); }), err::UpdateWithoutEdit);
    rs->edit();
    EXPECT_EQ(failureOf([&] { rs->setField("ID", 9); }), err::FieldNotUpdatable);
    EXPECT_EQ(failureOf([&] { rs->setField("nonesuch", 9); }), err::UnknownField);
    rs->moveNext();  // leaves the row: the pending edit is dropped
    EXPECT_EQ(failureOf([&] { rs->edit(); }), err::NoCurrentRecord);
    EXPECT_EQ(failureOf([&] { rs->update(); }), err::UpdateWithoutEdit);

    for (const char* sql : {"select name from winfun", "select count(*) as n from winfun",
                            "select ID, name || 'x' as n from winfun", "select * from winfun a, winfun b"}) {
        auto readOnly = db->openRecordset(sql);
        EXPECT_EQ(failureOf([&] { readOnly->edit(); }), err::CannotUpdate) << sql;
        EXPECT_EQ(failureOf([&] { readOnly->addNew(); }), err::CannotUpdate) << sql;
    }
}

TEST_F(RecordEditTest, FailedUpdateWritesNothingAndKeepsTheEdit) {
    db->execute("CREATE TABLE strict (ID INTEGER PRIMARY KEY, a TEXT, b TEXT NOT NULL)");
    db->execute("INSERT INTO strict (a, b) VALUES ('old', 'kept')");
    auto rs = db->openRecordset("select * from strict");
    rs->edit();
    rs->setField("a", "new");
    rs->setField("b", QVariant());
    EXPECT_EQ(failureOf([&] { rs->update(); }), err::ValidationFailed);
    EXPECT_EQ(db->openRecordset("select a from strict")->field("a").toString(), "old");
    rs->setField("b", "fixed");
    rs->update();
    EXPECT_EQ(db->openRecordset("select a from strict")->field("a").toString(), "new");
}

TEST_F(RecordEditTest, EditOfARowDeletedMeanwhileFails) {
    auto rs = row(2);
    db->execute("delete from winfun where ID=2");
    rs->edit();
    rs->setField("name", "ghost");
    EXPECT_EQ(failureOf([&] { rs->update(); }), err::RecordDeleted);
    EXPECT_TRUE(row(2)->eof());
}

TEST_F(RecordEditTest, EditWhileAnotherRecordsetIsHalfRead) {
    db->execute(tolvane::test::numberedRows(1000).toUtf8().constData());
    auto reading = db->openRecordset("SELECT name,ID FROM winfun WHERE name LIKE '*'");
    reading->moveNext();
    auto rs = row(500);
    rs->edit();
    rs->setField("name", "Edited");
    rs->update();
    int rows = 2;
    for (reading->moveNext(); !reading->eof(); reading->moveNext()) ++rows;
    EXPECT_EQ(rows, 1002);
    EXPECT_EQ(row(500)->field("name").toString(), "Edited");
}
