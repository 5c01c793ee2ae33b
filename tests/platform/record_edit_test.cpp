#include "platform/error.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

namespace err = tolvane::err;
using tolvane::test::failureOf;

namespace {

class RecordEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = dir.open(QStringLiteral("INSERT INTO winfun (name, class, win95) VALUES "
                                     "('GetTickCount', 4, 'Yes'), ('CreateFileA', 11, 'No');"));
    }
    // A fresh look at one stored row.
    std::unique_ptr<tolvane::Recordset> row(qlonglong id) {
        return db->openRecordset(QStringLiteral("select * from winfun where ID =%1").arg(id));
    }
    tolvane::test::CatalogueDir dir;
    std::unique_ptr<tolvane::Database> db;
};

}  // namespace

TEST_F(RecordEditTest, AddNewStoresValuesAsTypedUnderANeverReusedId) {
    const QString text = QStringLiteral("it's \"quoted\"'); delete from winfun; --\r\n第二行");
    auto table = db->openTable("winfun");
    table->addNew();
    table->setField("name", text);
    table->setField("CLASS", QVariant::fromValue<short>(-2));
    table->setField("explain", QString(""));
    table->update();
    EXPECT_EQ(table->field("ID").toLongLong(), 3);  // the new row is current
    auto stored = row(3);
    EXPECT_EQ(stored->field("name").toString(), text);
    EXPECT_EQ(stored->field("class").typeId(), QMetaType::LongLong);
    EXPECT_EQ(stored->field("class").toLongLong(), -2);
    EXPECT_TRUE(stored->field("explain").isValid());
    EXPECT_FALSE(stored->field("libsclass").isValid());  // untouched columns stay Null

    db->execute("delete from winfun where ID=3");
    table->addNew();
    table->update();
    table->moveLast();
    EXPECT_EQ(table->field("ID").toLongLong(), 4);
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
    for (const char* sql : {"select name from winfun", "select ID, name || 'x' as n from winfun"}) {
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
    EXPECT_EQ(tolvane::test::columnOf(*db, "select a from strict", "a"), QStringList{"old"});
    rs->setField("b", "fixed");
    rs->update();
    EXPECT_EQ(tolvane::test::columnOf(*db, "select a from strict", "a"), QStringList{"new"});

    auto gone = row(2);  // a row deleted meanwhile
    db->execute("delete from winfun where ID=2");
    gone->edit();
    gone->setField("name", "ghost");
    EXPECT_EQ(failureOf([&] { gone->update(); }), err::RecordDeleted);
    EXPECT_TRUE(row(2)->eof());
}
