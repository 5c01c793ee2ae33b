#include "gui/record_writes.h"

#include "support/catalogues.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(RecordIdTest, OnlyWholeNumbersAnIdCanHoldAreIds) {
    EXPECT_EQ(recordIdFromText(QStringLiteral("17")), 17);
    EXPECT_EQ(recordIdFromText(QStringLiteral("007")), 7);
    EXPECT_EQ(recordIdFromText(QStringLiteral("-3")), -3);
    EXPECT_EQ(recordIdFromText(QStringLiteral("4294967301")), 4294967301);
    EXPECT_EQ(recordIdFromText(QStringLiteral("9223372036854775807")), 9223372036854775807);
    for (const char* text :
         {"", "NotSet", "-", "1 OR 1=1", "1;delete from winfun", " 1", "1 ", "+1", "1.0", "0x10",
          "9223372036854775808", "99999999999999999999", "１２"})
        EXPECT_FALSE(recordIdFromText(QString::fromUtf8(text))) << text;
    EXPECT_NE(test::failureOf([] { requireRecordId(QStringLiteral("NotSet")); }), 0);
}
