// The 64-bit VBA form: the VB map with LongPtr and LongLong, structures by
// value as x64 passes them, Types laid out from 64-bit C with alignment up
// to 8, LongLong constants, and the structural checker's PtrSafe rules.
#include "vb_check.h"
#include "vb_map.h"
#include "vb_type.h"

#include <gtest/gtest.h>

#include <limits>

#include "tools/c_types_for_tests.h"

namespace {

using namespace tolvane::test::c;
using tolvane::gen::Constant;
using tolvane::gen::Param;
using tolvane::gen::TypeNames;
using tolvane::gen::VbDialect;
using Words = std::vector<std::string>;
constexpr VbDialect kVba64 = VbDialect::Vba64;

// A pointer as the 64-bit parse gives it.
CTypePtr pointer64(CTypePtr target, std::vector<std::string> names = {}) {
    const std::string spelling = target->spelling + " *";
    return make(Kind::Pointer, 8, spelling, std::move(names), std::move(target));
}

TypeNames rectAndPoint() {
    TypeNames names;
    names.add("RECT", "RECT");
    names.add("POINT", "POINT");
    return names;
}

Words params(const char* name, CTypePtr type) {
    return tolvane::gen::vbParams(Param{name, std::move(type)}, 1, rectAndPoint(), kVba64);
}

TEST(Vba64Map, PointerSizedValuesAreLongPtrAnd64BitIntegersLongLong) {
    const std::pair<CTypePtr, const char*> cases[] = {
        {HWND(), "ByVal p As LongPtr"},
        {HANDLE(), "ByVal p As LongPtr"},
        {LPARAM(), "ByVal p As LongPtr"},
        {integer(4, false, {"SIZE_T", "ULONG_PTR"}, "unsigned long"), "ByVal p As LongPtr"},
        {WNDPROC(), "ByVal p As LongPtr"},
        {LPCWSTR(), "ByVal p As LongPtr"},
        {LARGE_INTEGER(), "ByVal p As LongLong"},
        {integer(8, true, {"LONGLONG"}, "long long"), "ByVal p As LongLong"},
        // the same as VB6
        {DWORD(), "ByVal p As Long"},
        {WORD(), "ByVal p As Integer"},
        {LPSTR(), "ByVal p As String"},
        {real(8), "ByVal p As Double"},
        {LPVOID(), "ByRef p As Any"},
        {pointer(constOf(RECT())), "ByRef p As RECT"},
        // pointers to pointer-sized values
        {pointer(HANDLE()), "ByRef p As LongPtr"},
        {pointer(LPARAM()), "ByRef p As LongPtr"},
        {pointer(integer(8, false, {"ULONGLONG"}, "unsigned long long")), "ByRef p As LongLong"},
        {pointer(LARGE_INTEGER()), "ByRef p As LongLong"},
    };
    for (const auto& [type, vba] : cases)
        EXPECT_EQ(params("p", type), Words{vba}) << type->spelling;
}

// x64 passes a structure of 1, 2, 4 or 8 bytes in a register and any other
// by a pointer to it.
TEST(Vba64Map, StructuresByValueGoAsX64PassesThem) {
    EXPECT_EQ(params("pt", POINT()), Words{"ByVal pt As LongLong"});
    EXPECT_EQ(params("s", record("TWO", {field("a", WORD())})), Words{"ByVal s As Integer"});
    EXPECT_EQ(params("s", record("ONE", {field("b", BYTE())})), Words{"ByVal s As Byte"});
    EXPECT_EQ(params("rc", RECT()), Words{"ByRef rc As RECT"});
    EXPECT_EQ(
        params("s", record("ODD", {field("a", DWORD()), field("b", DWORD()), field("c", DWORD())})),
        Words{"ByRef s As Any"});
    // Sizes are the 64-bit prototype's: a pointer alone fills the register, with more it goes by
    // pointer.
    EXPECT_EQ(params("s", record("P", {field("h", pointer64(voidType(), {"HWND"}))})),
              Words{"ByVal s As LongLong"});
    EXPECT_EQ(params("s", record("PW", {field("h", pointer64(voidType(), {"HWND"})),
                                        field("n", DWORD())})),
              Words{"ByRef s As Any"});
}

TEST(Vba64Map, DeclareStatementsArePtrSafe) {
    using tolvane::gen::vbDeclare;
    EXPECT_EQ(
        vbDeclare("_lopen", "_lopen", "kernel32", declaration("_lopen", INT(), {}), {}, kVba64),
        R"(Declare PtrSafe Function lopen Lib "kernel32" Alias "_lopen" () As Long)");
    EXPECT_EQ(
        vbDeclare("GetParent", "GetParent", "user32",
                  declaration("GetParent", HWND(), {{"hWnd", HWND()}}), {}, kVba64),
        R"(Declare PtrSafe Function GetParent Lib "user32" (ByVal hWnd As LongPtr) As LongPtr)");
    EXPECT_EQ(vbDeclare("Sleep", "Sleep", "kernel32",
                        declaration("Sleep", voidType(), {{"ms", DWORD()}}), {}, kVba64),
              R"(Declare PtrSafe Sub Sleep Lib "kernel32" (ByVal ms As Long))");
    EXPECT_EQ(vbDeclare("F", "F", "x.dll", declaration("F", POINT(), {}), rectAndPoint(), kVba64),
              "");
}

TEST(Vba64Map, ConstantsNeedingSixtyFourBitsAreLongLongLiterals) {
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

// Members aligned to their size up to 8, as C does on x64: the Type needs
// no filler where VB6's cap of 4 would have needed one.
TEST(Vba64Map, TypesAreLaidOutFrom64BitCWithAlignmentUpTo8) {
    auto r =
        record("SAMPLE64", {field("cb", DWORD()), field("hwnd", pointer64(voidType(), {"HWND"})),
                            field("text", pointer64(CHAR(), {"LPSTR"})),
                            field("data", integer(8, false, {"ULONG_PTR"}, "unsigned long long")),
                            field("big", integer(8, true, {"LONGLONG"}, "long long")),
                            field("w", WORD()), field("rc", RECT())});
    ASSERT_EQ(r->size, 64);
    const auto layout = tolvane::gen::vbTypeLayout(*r->body, rectAndPoint(), kVba64);
    EXPECT_EQ(layout.size, 64);
    EXPECT_EQ(layout.align, 8);
    const std::string block =
        tolvane::gen::vbTypeBlock("SAMPLE64", *r->body, rectAndPoint(), kVba64);
    EXPECT_EQ(block,
              "Type SAMPLE64\r\n    cb As Long\r\n    hwnd As LongPtr\r\n    text As String\r\n"
              "    data As LongPtr\r\n    big As LongLong\r\n    w As Integer\r\n    rc As RECT\r\n"
              "End Type");
    EXPECT_EQ(tolvane::gen::checkVbType(block, {"RECT"}, kVba64), "");
    // VB6 cannot name these types.
    EXPECT_NE(tolvane::gen::checkVbType(block, {"RECT"}, VbDialect::Vb6), "");
    // A structure C packs to 4 keeps its 8-byte member where C has it: held as bytes.
    auto packed = record("PACKED", {field("cb", DWORD()),
                                    field("big", integer(8, true, {"LONGLONG"}, "long long"))});
    auto body = std::make_shared<Record>(*packed->body);
    body->fields[1].offset = 4, body->size = 12, body->pack = 4;
    const auto p = tolvane::gen::vbTypeLayout(*body, {}, kVba64);
    EXPECT_EQ(p.size, 12);
    ASSERT_EQ(p.members.size(), 2u);
    EXPECT_EQ(p.members[1].type, "Byte");
    EXPECT_EQ(p.members[1].count, 8);
}

TEST(Vba64Map, TheCheckerWantsPtrSafeExactlyInVba64) {
    using tolvane::gen::checkVbDeclare;
    const std::string safe =
        R"(Declare PtrSafe Function A Lib "a" (ByVal h As LongPtr) As LongLong)";
    const std::string old = R"(Declare Function A Lib "a" (ByVal h As Long) As Long)";
    EXPECT_EQ(checkVbDeclare(safe, "A", {}, kVba64), "");
    EXPECT_NE(checkVbDeclare(safe, "A", {}, VbDialect::Vb6), "");
    EXPECT_NE(checkVbDeclare(old, "A", {}, kVba64), "");
    EXPECT_EQ(checkVbDeclare(old, "A", {}, VbDialect::Vb6), "");
    EXPECT_NE(
        checkVbDeclare(R"(Declare PtrSafe Function A Lib "a" (ByVal h As LongPtr) As Currency2)",
                       "A", {}, kVba64),
        "");
    EXPECT_NE(tolvane::gen::checkVbConst("Const X = 4294967296^", VbDialect::Vb6), "");
    EXPECT_NE(tolvane::gen::checkVbConst("Const X As Double = 4294967296  ' x", kVba64), "");
}

}  // namespace
