#include "browse/result_fill.h"
#include "browse/result_list.h"
#include "platform/engine.h"
#include "support/catalogues.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <vector>

using namespace tolvane;
using namespace std::chrono_literals;

namespace {

class FillResultsTest : public ::testing::Test {
protected:
    // Name and ID of rows "Name1" (ID 1) to "Name<count>", in ID order.
    std::unique_ptr<Recordset> rows(int count, const QString& extraSql = {}) {
        db = dir.open(test::numberedRows(count) + extraSql);
        return db->openRecordset(QStringLiteral("SELECT name, ID FROM winfun ORDER BY ID"));
    }
    // "name=ID" of every published entry.
    static QStringList listed(const ResultListModel& list) {
        QStringList out;
        for (int i = 0; i < list.count(); ++i) out << list.text(i) + '=' + QString::number(list.itemData(i));
        return out;
    }

    test::CatalogueDir dir;
    std::unique_ptr<Database> db;
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
    EXPECT_EQ(listed(list), QStringList({"stale=1", "Name1=1", "中文名=7", "=50"}));
}

TEST_F(FillResultsTest, StopKeepsEveryRowReadAndAbandonTouchesTheListNoMore) {
    for (const FillStep how : {FillStep::Stop, FillStep::Abandon}) {
        const auto r = rows(10);
        ResultListModel list;
        int turns = 0;
        ResultFill fill(list, 0ns, [&] { return ++turns == 3 ? how : FillStep::GoOn; });
        const FillEnd end = fill.add(*r);
        EXPECT_EQ(r->field(QStringLiteral("ID")).toInt(), 4);  // no row read past the stop
        EXPECT_EQ(end, how == FillStep::Stop ? FillEnd::Stopped : FillEnd::Abandoned);
        EXPECT_EQ(listed(list).size(), how == FillStep::Stop ? 3 : 2);
        EXPECT_EQ(list.staged(), how == FillStep::Stop ? 0 : 1);
    }
}
