#include "browse/result_list.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using tolvane::ResultListModel;

TEST(ResultListModelTest, KeepsNamesAndItemDataInAppendOrder) {
    ResultListModel m;
    m.append(QStringLiteral("CreateFile"), 7);
    m.stage("Beep", 2);
    m.stage("", 9);
    m.stage(QStringLiteral("中文").toUtf8(), -1);
    m.publish();
    ASSERT_EQ(m.count(), 4);
    EXPECT_EQ(m.text(0), QStringLiteral("CreateFile"));
    EXPECT_EQ(m.text(1), QStringLiteral("Beep"));
    EXPECT_EQ(m.text(2), QString());
    EXPECT_EQ(m.itemData(2), 9);
    EXPECT_EQ(m.text(3), QStringLiteral("中文"));
    EXPECT_EQ(m.data(m.index(3), Qt::UserRole).toInt(), -1);
}

TEST(ResultListModelTest, StagedEntriesAppearInOneNotificationAndClearDropsThem) {
    ResultListModel m;
    QSignalSpy inserted(&m, &QAbstractItemModel::rowsInserted);
    for (int i = 0; i < 1000; ++i) m.stage("n", i);
    EXPECT_EQ(m.count(), 0);
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(m.staged(), 1000);
    m.publish();
    m.publish();  // nothing new: no notification
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(2).toInt(), 999);
    EXPECT_EQ(m.count(), 1000);
    EXPECT_EQ(m.itemData(999), 999);
    m.stage("late", 1);
    m.clear();
    EXPECT_EQ(m.count(), 0);
    EXPECT_EQ(m.staged(), 0);
}

TEST(ResultListModelTest, NamesRunningAcrossStorageBlocksComeBackWhole) {
    ResultListModel m;
    // Names of 300 000 bytes straddle the 1 MiB storage blocks; one is
    // longer than a whole block.
    QByteArray names[5];
    for (int i = 0; i < 5; ++i) {
        names[i] = QByteArray(i == 3 ? 2'500'000 : 300'000, static_cast<char>('a' + i));
        names[i].append("中");
        m.stage(names[i], i);
    }
    m.publish();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(m.text(i), QString::fromUtf8(names[i])) << i;
}
