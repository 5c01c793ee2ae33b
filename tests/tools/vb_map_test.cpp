#include "vb_map.h"
#include "cs_map.h"
#include "vb_check.h"
#include "vb_type.h"

#include <gtest/gtest.h>

#include "c_model.h"
#include "tools/c_types_for_tests.h"

namespace {

using namespace tolvane::test::c;
using tolvane::gen::Constant;
using tolvane::gen::Param;
using tolvane::gen::TypeNames;
using tolvane::gen::vbParams;
using Words = std::vector<std::string>;

TypeNames rectAndPoint() {
    TypeNames names;
    names.add("RECT", "RECT");
    names.add("POINT", "POINT");
    return names;
}

TEST(VbMap, ParametersFollowTheTypeMap) {
    const std::pair<CTypePtr, const char*> cases[] = {
        {HWND(), "ByVal p As Long"},
        {WORD(), "ByVal p As Integer"},
        {BYTE(), "ByVal p As Byte"},
        {LARGE_INTEGER(), "ByVal p As Currency"},
        {real(8), "ByVal p As Double"},
        {LPSTR(), "ByVal p As String"},
        {LPCWSTR(), "ByVal p As Long"},  // passed as StrPtr
        {WNDPROC(), "ByVal p As Long"},
        {pointer(WORD()), "ByRef p As Integer"},
        {pointer(real(4)), "ByRef p As Single"},
        {pointer(constOf(RECT())), "ByRef p As RECT"},
        {LPVOID(), "ByRef p As Any"},
        {array(DWORD(), 4), "ByRef p As Long"},
        // a structure the catalogue has no Type for is passed untyped
        {pointer(record("BLOB", {field("cbSize", DWORD())})), "ByRef p As Any"},
    };
    for (const auto& [type, vb] : cases)
        EXPECT_EQ(vbParams(Param{"p", type}, 1, rectAndPoint()), Words{vb}) << type->spelling;
    // A structure by value is passed as its words, or as numbered words.
    EXPECT_EQ(vbParams(Param{"pt", POINT()}, 1, rectAndPoint()),
              (Words{"ByVal pt_x As Long", "ByVal pt_y As Long"}));
    auto mixed = record("SIZES", {field("a", WORD()), field("b", WORD()), field("c", DWORD())});
    EXPECT_EQ(vbParams(Param{"s", mixed}, 1, rectAndPoint()),
              (Words{"ByVal s_1 As Long", "ByVal s_2 As Long"}));
    // Names VB cannot take are mended.
    const std::pair<const char*, const char*> names[] = {{"", "ByVal p3 As Long"},
                                                         {"string", "ByVal string_ As Long"},
                                                         {"_reserved", "ByVal reserved As Long"}};
    for (const auto& [name, vb] : names)
        EXPECT_EQ(vbParams(Param{name, DWORD()}, 3, {}), Words{vb}) << name;
}

TEST(VbMap, DeclareStatements) {
    EXPECT_EQ(tolvane::gen::vbDeclare("_lopen", "_lopen", "kernel32",
                                      declaration("_lopen", INT(), {}), {}),
              R"(Declare Function lopen Lib "kernel32" Alias "_lopen" () As Long)");
    // VB cannot receive a structure as a function result.
    EXPECT_EQ(
        tolvane::gen::vbDeclare("F", "F", "x.dll", declaration("F", POINT(), {}), rectAndPoint()),
        "");
}

TEST(VbMap, TypeBlocks) {
    auto anonymousUnion = record("", {field("a", WORD()), field("b", DWORD())}, true);
    auto r = record("SAMPLE", {field("szName", array(CHAR(), 32)), field("wide", array(WCHAR(), 4)),
                               field("", anonymousUnion), field("flag1", DWORD(), 1),
                               field("flag2", DWORD(), 3), field("rc", RECT()),
                               field("text", LPSTR()), field("Data", DWORD()),
                               field("data", DWORD()), field("tail", array(BYTE(), 0))});
    EXPECT_EQ(tolvane::gen::vbTypeBlock("SAMPLE", *r->body, rectAndPoint()),
              "Type SAMPLE\r\n    szName As String * 32\r\n    wide(0 To 3) As Integer\r\n    b As "
              "Long\r\n"
              "    flag1 As Long\r\n    rc As RECT\r\n    text As String\r\n    Data As Long\r\n"
              "    data2 As Long\r\nEnd Type");
}

TEST(VbMap, ConstantsKeepTheirBitPatternAsLong) {
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

// Strings as each language writes a literal: VB doubles the quote, C#
// escapes it and the backslash; the VB check takes what the map writes.
TEST(VbMap, StringConstantsInBothLanguages) {
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
