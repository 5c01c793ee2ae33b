#include "browse/result_list.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using tolvane::ResultListModel;

TEST(ResultListModelTest, KeepsNamesAndItemDataInAppendOrder) {
    ResultListModel m;
    m.append(QStringLiteral("CreateFile"), 7);
    m.append({{QByteArray("Beep"), 2}, {QByteArray(""), 9}, {QStringLiteral("中文").toUtf8(), -1}});
    ASSERT_EQ(m.count(), 4);
    EXPECT_EQ(m.text(0), QStringLiteral("CreateFile"));
    EXPECT_EQ(m.text(1), QStringLiteral("Beep"));
    EXPECT_EQ(m.text(2), QString());
    EXPECT_EQ(m.itemData(2), 9);
    EXPECT_EQ(m.text(3), QStringLiteral("中文"));
    EXPECT_EQ(m.data(m.index(3), Qt::UserRole).toInt(), -1);
}

TEST(ResultListModelTest, BatchAppendIsOneInsertNotification) {
    ResultListModel m;
    QSignalSpy inserted(&m, &QAbstractItemModel::rowsInserted);
    std::vector<ResultListModel::Entry> batch(1000, {QByteArray("n"), 1});
    m.append(batch);
    EXPECT_EQ(inserted.count(), 1);
    m.clear();
    EXPECT_EQ(m.count(), 0);
    EXPECT_EQ(m.rowCount(), 0);
}
