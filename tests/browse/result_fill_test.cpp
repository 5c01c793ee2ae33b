#include "browse/result_fill.h"
#include "browse/result_list.h"
#include "platform/engine.h"
#include "support/catalogues.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <vector>

using namespace tolvane;
using namespace std::chrono_literals;
using tolvane::test::CatalogueDir;
using tolvane::test::numberedRows;

namespace {

class FillResultsTest : public ::testing::Test {
protected:
    // Name and ID of rows "Name1" (ID 1) to "Name<count>".
    std::unique_ptr<Recordset> rows(int count, const QString& extraSql = {}) {
        db_ = dir_.open(numberedRows(count) + extraSql);
        return db_->openRecordset(QStringLiteral("SELECT name, ID FROM winfun ORDER BY ID"));
    }
    Database& db() { return *db_; }

private:
    CatalogueDir dir_;
    std::unique_ptr<Database> db_;
};

}  // namespace

TEST_F(FillResultsTest, AppendsNamesAndIdsInRowOrderWithNullNamesEmpty) {
    const auto r = rows(1, QStringLiteral("INSERT INTO winfun (ID, name) VALUES (50, NULL), (7, '中文名');"));
    ResultListModel list;
    list.append(QStringLiteral("stale"), 1);  // the caller clears; the fill only appends
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    int turns = 0;
    ResultFill fill(list, 1h, [&] { return ++turns, FillStep::GoOn; });
    EXPECT_EQ(fill.add(*r), FillEnd::Finished);
    fill.finish();
    EXPECT_EQ(turns, 0);
    EXPECT_EQ(inserted.count(), 1);  // one batch within one slice
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.text(1), QStringLiteral("Name1"));
    EXPECT_EQ(list.itemData(1), 1);
    EXPECT_EQ(list.text(2), QStringLiteral("中文名"));
    EXPECT_EQ(list.itemData(2), 7);
    EXPECT_EQ(list.text(3), QString());
    EXPECT_EQ(list.itemData(3), 50);
}

TEST_F(FillResultsTest, BatchesGrowWithTheListAcrossPartsSoPublicationsStayFew) {
    const auto r = rows(1000);
    ResultListModel list;
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    std::vector<int> seen;
    // A zero slice gives the window its turn after every row.
    ResultFill fill(list, 0ns, [&] { return seen.push_back(list.count()), FillStep::GoOn; });
    const auto empty = db().openRecordset(QStringLiteral("SELECT name, ID FROM winfun WHERE ID < 0"));
    EXPECT_EQ(fill.add(*empty), FillEnd::Finished);
    EXPECT_EQ(seen, std::vector<int>{0});  // a part without rows still gives a turn
    EXPECT_EQ(fill.add(*r), FillEnd::Finished);
    fill.finish();
    EXPECT_EQ(std::vector<int>(seen.begin() + 1, seen.begin() + 9), (std::vector<int>{1, 2, 2, 4, 4, 4, 4, 8}));
    EXPECT_LE(inserted.count(), 12);
    ASSERT_EQ(list.count(), 1000);
    EXPECT_EQ(list.text(999), QStringLiteral("Name1000"));
    EXPECT_EQ(list.itemData(999), 1000);
}

TEST_F(FillResultsTest, StopKeepsEveryRowReadAndAbandonTouchesTheListNoMore) {
    for (const FillStep how : {FillStep::Stop, FillStep::Abandon}) {
        const auto r = rows(10);
        ResultListModel list;
        int turns = 0;
        ResultFill fill(list, 0ns, [&] { return ++turns == 3 ? how : FillStep::GoOn; });
        const FillEnd end = fill.add(*r);
        EXPECT_EQ(r->field(QStringLiteral("ID")).toInt(), 4);  // no row read past the stop
        if (how == FillStep::Stop) {
            EXPECT_EQ(end, FillEnd::Stopped);
            ASSERT_EQ(list.count(), 3);
            EXPECT_EQ(list.text(2), QStringLiteral("Name3"));
        } else {
            EXPECT_EQ(end, FillEnd::Abandoned);
            EXPECT_EQ(list.count(), 2);
            EXPECT_EQ(list.staged(), 1);
        }
    }
}
