#include "editing/record_writes.h"

#include "platform/error.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(RecordIdTest, OnlyWholeNumbersAreIds) {
    EXPECT_EQ(recordIdFromText(QStringLiteral("17")), 17);
    EXPECT_EQ(recordIdFromText(QStringLiteral("007")), 7);
    EXPECT_EQ(recordIdFromText(QStringLiteral("-3")), -3);
    EXPECT_EQ(recordIdFromText(QStringLiteral("2147483647")), 2147483647);
    for (const char* text : {"", "NotSet", "-", "1 OR 1=1", "1;delete from winfun", " 1", "1 ",
                             "+1", "1.0", "0x10", "2147483648", "99999999999999999999",
                             "１２"}) {
        EXPECT_FALSE(recordIdFromText(QString::fromUtf8(text))) << text;
    }
}

TEST(RecordIdTest, AnUnusableIdFailsWithADescription) {
    try {
        requireRecordId(QStringLiteral("NotSet"));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_FALSE(e.description().isEmpty());
    }
    EXPECT_EQ(requireRecordId(QStringLiteral("42")), 42);
}

TEST(RecordIdTest, CategoryPositionMapsBackToTheStoredClass) {
    EXPECT_EQ(classForPosition(0), -1);  // "Type类型"
    EXPECT_EQ(classForPosition(17), 16);
    EXPECT_EQ(classForPosition(-1), -2);  // nothing selected
}
