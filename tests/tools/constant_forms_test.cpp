// The constant forms at the edges of their types: VB6 without a 64-bit
// integer, 64-bit VBA's LongLong literals, C#'s types by the expression's,
// text in each language's quoting, and the value explain states.
#include <gtest/gtest.h>

#include <limits>

#include "cs_map.h"
#include "explain_text.h"
#include "tools/c_types_for_tests.h"
#include "vb_check.h"
#include "vb_map.h"

namespace {

using namespace tolvane::test::c;
using tolvane::gen::Constant;
using tolvane::gen::VbDialect;
constexpr VbDialect kVba64 = VbDialect::Vba64;

// The edges no record of golden.txt shows (ASC_REQ_MESSAGES, MAXDWORD64,
// MAXLONGLONG and GENERIC_READ stand for the others there).
TEST(ConstantForms, BasicConstantsKeepTheirBitPatternAndVba64UsesLongLong) {
    // Written in decimal but beyond a signed Long: the same 32 bits in hex.
    EXPECT_EQ(tolvane::gen::vbConst(constant("X", 4294967295, false, 4, true)),
              "Const X = &HFFFFFFFF&");
    const std::pair<Constant, const char*> cases[] = {
        // as in VB6 while a Long holds the bits
        {constant("X", -5, false), "Const X = -5"},
        {constant("X", 4294967295, false, 4, true), "Const X = &HFFFFFFFF&"},
        // beyond 32 bits
        {constant("X", 4294967296, false, 8), "Const X = 4294967296^"},
        {constant("X", -4294967296, false, 8), "Const X = -4294967296^"},
        {constant("X", 0x80000000, true, 8), "Const X = &H80000000^"},  // positive as a LongLong
        {constant("MAXLONGLONG", 0x7FFFFFFFFFFFFFFF, false, 8),
         "Const MAXLONGLONG = 9223372036854775807^"},
        // the lowest value keeps its bits in hexadecimal
        {constant("X", std::numeric_limits<long long>::min(), false, 8),
         "Const X = &H8000000000000000^"},
    };
    for (const auto& [c, vba] : cases) {
        EXPECT_EQ(tolvane::gen::vbConst(c, kVba64), vba);
        EXPECT_EQ(tolvane::gen::checkVbConst(vba, kVba64), "") << vba;
    }
    // A C# keyword as a name is escaped; a long literal is a long.
    EXPECT_EQ(tolvane::gen::csConst(constant("checked", 10000000000LL, false, 8)),
              "const long @checked = 10000000000;");
}

// A quote in a text: VB doubles it, C# escapes it (golden.txt's
// ALERTER_MAILSLOT shows the backslashes); the VB check takes what the map
// writes.
TEST(ConstantForms, StringConstantsInBothLanguages) {
    Constant c = constant("QUOTED", 0, false);
    c.isString = true;
    c.text = R"(a\"b")";
    EXPECT_EQ(tolvane::gen::vbConst(c), R"(Const QUOTED = "a\""b""")");
    EXPECT_EQ(tolvane::gen::csConst(c), R"(const string QUOTED = "a\\\"b\"";)");
    EXPECT_EQ(tolvane::gen::checkVbConst(tolvane::gen::vbConst(c)), "");
    EXPECT_NE(tolvane::gen::checkVbConst("Const X = \"a\"b\""), "");
}

TEST(ConstantForms, ExplainStatesTheValueInHexadecimalAndDecimalAtItsWidth) {
    using tolvane::gen::constantValue;
    EXPECT_EQ(constantValue(constant("A", 16, true)), "值 0x10（十进制 16）");
    EXPECT_EQ(constantValue(constant("B", -1, false)), "值 0xFFFFFFFF（十进制 -1）");
    EXPECT_EQ(constantValue(constant("C", -2, false, 8)), "值 0xFFFFFFFFFFFFFFFE（十进制 -2）");
    EXPECT_EQ(constantValue(constant("D", -1, false, 8, false, true)),
              "值 0xFFFFFFFF（十进制 -1）");
    EXPECT_EQ(tolvane::gen::versionNote(0x0400), "");
    EXPECT_EQ(tolvane::gen::versionNote(0x0603), "需要 Windows 8.1 或更高版本。");
}

}  // namespace
