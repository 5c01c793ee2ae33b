#include "browse/result_fill.h"
#include "browse/result_list.h"
#include "platform/engine.h"
#include "platform/error.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <vector>

using namespace tolvane;
using namespace std::chrono_literals;

namespace {

// Forward-only rows of (name, ID); a name may be Null. Reading or moving
// past `failAt` fails as a broken catalogue would.
class RowsStub : public Recordset {
public:
    struct Row {
        QVariant name;
        qlonglong id;
    };
    explicit RowsStub(std::vector<Row> rows) : rows_(std::move(rows)) {}

    bool eof() const override { return at_ >= rows_.size(); }
    QVariant field(const QString& name) const override {
        if (eof()) throw Error(err::NoCurrentRecord);
        const Row& r = rows_[at_];
        if (name == QLatin1String("name")) return r.name;
        if (name == QLatin1String("ID")) return r.id;
        throw Error(err::UnknownField);
    }
    void moveNext() override {
        if (++at_ == failAt) throw Error(err::EngineFailure);
    }
    void moveFirst() override { unused(); }
    void movePrevious() override { unused(); }
    void moveLast() override { unused(); }
    void findFirst(const QString&) override { unused(); }
    void addNew() override { unused(); }
    void edit() override { unused(); }
    void setField(const QString&, const QVariant&) override { unused(); }
    void update() override { unused(); }
    void close() override {}

    std::size_t at_ = 0;
    std::size_t failAt = SIZE_MAX;

private:
    [[noreturn]] static void unused() { throw Error(err::EngineFailure); }
    std::vector<Row> rows_;
};

std::vector<RowsStub::Row> numbered(int n) {
    std::vector<RowsStub::Row> rows;
    for (int i = 1; i <= n; ++i) rows.push_back({QStringLiteral("F%1").arg(i), 100 + i});
    return rows;
}

}  // namespace

TEST(FillResultsTest, AppendsNamesAndIdsInRowOrderWithNullNamesEmpty) {
    RowsStub rows({{QStringLiteral("CreateFile"), 3}, {QVariant(), 50}, {QStringLiteral("中文名"), 7}});
    ResultListModel list;
    list.append(QStringLiteral("stale"), 1);  // the caller clears; the fill only appends
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    int yields = 0;
    EXPECT_EQ(fillResults(rows, list, 1h, [&] { return ++yields, FillStep::GoOn; }), FillEnd::Finished);
    EXPECT_EQ(yields, 0);
    EXPECT_EQ(inserted.count(), 1);  // one batch within one slice
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.text(1), QStringLiteral("CreateFile"));
    EXPECT_EQ(list.itemData(1), 3);
    EXPECT_EQ(list.text(2), QString());
    EXPECT_EQ(list.itemData(2), 50);
    EXPECT_EQ(list.text(3), QStringLiteral("中文名"));
    EXPECT_EQ(list.itemData(3), 7);
}

TEST(FillResultsTest, BatchesGrowWithTheListSoAppendsStayFew) {
    RowsStub rows(numbered(1000));
    ResultListModel list;
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    std::vector<int> seen;
    // A zero slice yields after every row.
    EXPECT_EQ(fillResults(rows, list, 0ns, [&] { return seen.push_back(list.count()), FillStep::GoOn; }),
              FillEnd::Finished);
    EXPECT_EQ(std::vector<int>(seen.begin(), seen.begin() + 8), (std::vector<int>{1, 2, 2, 4, 4, 4, 4, 8}));
    EXPECT_LE(inserted.count(), 12);
    ASSERT_EQ(list.count(), 1000);
    EXPECT_EQ(list.text(999), QStringLiteral("F1000"));
    EXPECT_EQ(list.itemData(999), 1100);
}

TEST(FillResultsTest, StopKeepsEveryRowReadAndAbandonTouchesTheListNoMore) {
    for (const FillStep how : {FillStep::Stop, FillStep::Abandon}) {
        RowsStub rows(numbered(10));
        ResultListModel list;
        int yields = 0;
        const FillEnd end =
            fillResults(rows, list, 0ns, [&] { return ++yields == 3 ? how : FillStep::GoOn; });
        EXPECT_EQ(rows.at_, 3u);  // no row read past the stop
        if (how == FillStep::Stop) {
            EXPECT_EQ(end, FillEnd::Stopped);
            ASSERT_EQ(list.count(), 3);
            EXPECT_EQ(list.text(2), QStringLiteral("F3"));
        } else {
            EXPECT_EQ(end, FillEnd::Abandoned);
            EXPECT_EQ(list.count(), 2);
            EXPECT_EQ(list.staged(), 1);
        }
    }
}

TEST(FillResultsTest, EmptyResultAppendsNothing) {
    RowsStub rows({});
    ResultListModel list;
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    EXPECT_EQ(fillResults(rows, list, 0ns, [] { return FillStep::GoOn; }), FillEnd::Finished);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(inserted.count(), 0);
}

TEST(FillResultsTest, EngineFailurePropagates) {
    RowsStub rows(numbered(5));
    rows.failAt = 3;
    ResultListModel list;
    EXPECT_THROW(fillResults(rows, list, 1h, [] { return FillStep::GoOn; }), Error);
}
