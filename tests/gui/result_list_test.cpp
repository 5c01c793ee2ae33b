#include "gui/result_list.h"

#include <gtest/gtest.h>

using tolvane::ResultListModel;

TEST(ResultListModelTest, NamesRunningAcrossStorageBlocksComeBackWhole) {
    ResultListModel m;
    // Names of 300 000 bytes straddle the 1 MiB storage blocks; one is
    // longer than a whole block.
    QByteArray names[5];
    for (int i = 0; i < 5; ++i) {
        names[i] = QByteArray(i == 3 ? 2'500'000 : 300'000, static_cast<char>('a' + i)) + "中";
        m.stage(names[i], i);
    }
    m.publish();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(m.text(i), QString::fromUtf8(names[i])) << i;
}
