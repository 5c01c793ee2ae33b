#include "platform/error.h"

#include <gtest/gtest.h>

using tolvane::Error;

TEST(ErrorTest, KnownNumbersCarryTheirChineseDescription) {
    Error e(tolvane::err::NoCurrentRecord);
    EXPECT_EQ(e.number(), 3021);
    EXPECT_EQ(e.description(), QStringLiteral("无当前记录。"));
    EXPECT_NE(std::string(e.what()).find("3021"), std::string::npos);
}
