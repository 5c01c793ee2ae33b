// The constant forms at the edges of their types: VB6 without a 64-bit
// integer, 64-bit VBA's LongLong literals, C#'s types by the expression's,
// and text in each language's quoting.
#include <gtest/gtest.h>

#include <limits>

#include "cs_map.h"
#include "tools/c_types_for_tests.h"
#include "vb_check.h"
#include "vb_map.h"

namespace {

using namespace tolvane::test::c;
using tolvane::gen::Constant;
using tolvane::gen::VbDialect;
constexpr VbDialect kVba64 = VbDialect::Vba64;

TEST(ConstantForms, Vb6ConstantsKeepTheirBitPatternAsLong) {
    const std::pair<Constant, const char*> cases[] = {
        {constant("X", 16, true), "Const X = &H10&"},
        // written in decimal but beyond a signed Long: the same 32 bits in hex
        {constant("X", 4294967295, false, 4, true), "Const X = &HFFFFFFFF&"},
        // VB6 has no 64-bit integer: a Double where it is exact, else the digits for CDec
        {constant("X", 4294967296, true, 8),
         "Const X As Double = 4294967296  ' 64 位整数，Double 可精确表示"},
        {constant("MAXLONGLONG", 0x7FFFFFFFFFFFFFFF, true, 8),
         "Const MAXLONGLONG As String = \"9223372036854775807\"  ' 64 位整数，VB6 无此类型：用 "
         "CDec(MAXLONGLONG) 取精确值"},
        {constant("X", -1, true, 8, true),
         "Const X As String = \"18446744073709551615\"  ' 64 位整数，VB6 无此类型：用 CDec(X) "
         "取精确值"},
    };
    for (const auto& [constant, vb] : cases) EXPECT_EQ(tolvane::gen::vbConst(constant), vb) << vb;
}

TEST(ConstantForms, Vba64ConstantsNeedingSixtyFourBitsAreLongLongLiterals) {
    const std::pair<Constant, const char*> cases[] = {
        // as in VB6 while a Long holds the bits
        {constant("X", 16, true), "Const X = &H10&"},
        {constant("X", -5, false), "Const X = -5"},
        {constant("X", 4294967295, false, 4, true), "Const X = &HFFFFFFFF&"},
        // beyond 32 bits
        {constant("X", 4294967296, false, 8), "Const X = 4294967296^"},
        {constant("X", -4294967296, false, 8), "Const X = -4294967296^"},
        {constant("X", 0x100000000, true, 8), "Const X = &H100000000^"},
        {constant("X", 0x80000000, true, 8), "Const X = &H80000000^"},  // positive as a LongLong
        {constant("MAXLONGLONG", 0x7FFFFFFFFFFFFFFF, false, 8),
         "Const MAXLONGLONG = 9223372036854775807^"},
        // above 2^63 and the lowest value keep their bits in hexadecimal
        {constant("X", -1, false, 8, true), "Const X = &HFFFFFFFFFFFFFFFF^"},
        {constant("X", std::numeric_limits<long long>::min(), false, 8),
         "Const X = &H8000000000000000^"},
    };
    for (const auto& [c, vba] : cases) {
        EXPECT_EQ(tolvane::gen::vbConst(c, kVba64), vba);
        EXPECT_EQ(tolvane::gen::checkVbConst(vba, kVba64), "") << vba;
    }
}

TEST(ConstantForms, CSharpConstantsTakeTheTypeOfTheirExpression) {
    const std::pair<Constant, const char*> cases[] = {
        {constant("X", 0x80000000LL, true, 4, true), "const uint X = 0x80000000;"},
        {constant("X", -1, true, 8, true), "const ulong X = 0xFFFFFFFFFFFFFFFF;"},
        {constant("checked", 10000000000LL, false, 8), "const long @checked = 10000000000;"},
    };
    for (const auto& [constant, cs] : cases) EXPECT_EQ(tolvane::gen::csConst(constant), cs) << cs;
}

// Strings as each language writes a literal: VB doubles the quote, C#
// escapes it and the backslash; the VB check takes what the map writes.
TEST(ConstantForms, StringConstantsInBothLanguages) {
    Constant c = constant("ALERTER_MAILSLOT", 0, false);
    c.isString = true;
    c.text = R"(\\.\MAILSLOT\"Alerter")";
    EXPECT_EQ(tolvane::gen::vbConst(c), R"(Const ALERTER_MAILSLOT = "\\.\MAILSLOT\""Alerter""")");
    EXPECT_EQ(tolvane::gen::csConst(c),
              R"(const string ALERTER_MAILSLOT = "\\\\.\\MAILSLOT\\\"Alerter\"";)");
    EXPECT_EQ(tolvane::gen::checkVbConst(tolvane::gen::vbConst(c)), "");
    EXPECT_NE(tolvane::gen::checkVbConst("Const X = \"a\"b\""), "");
}

}  // namespace
