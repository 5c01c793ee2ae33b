#include "cs_map.h"

#include <gtest/gtest.h>

#include "tools/c_types_for_tests.h"

namespace {

using namespace tolvane::test::c;
using tolvane::gen::CharSet;
using tolvane::gen::Constant;
using tolvane::gen::csParam;
using tolvane::gen::Function;
using tolvane::gen::Param;
using tolvane::gen::StringSides;
using tolvane::gen::TypeNames;

TypeNames known() {
    TypeNames names;
    names.add("RECT", "RECT");
    names.add("GUID", "GUID");
    return names;
}

TEST(CsMap, ParametersFollowTheTypeMapAndStringsTheCharacterSet) {
    const auto one = [](CTypePtr type, CharSet charSet = CharSet::None, bool generic = false) {
        return csParam(Param{"p", std::move(type)}, 1, known(), charSet, generic);
    };
    const std::pair<CTypePtr, const char*> cases[] = {
        {HWND(), "IntPtr p"},
        {LPARAM(), "IntPtr p"},
        {BOOL(), "bool p"},
        {DWORD(), "uint p"},
        {WCHAR(), "char p"},
        {LARGE_INTEGER(), "long p"},
        {pointer(HANDLE()), "ref IntPtr p"},
        {pointer(BYTE()), "byte[] p"},
        {pointer(RECT()), "ref RECT p"},
        {pointer(record("GUID", {field("Data1", DWORD())})), "ref Guid p"},
        {pointer(record("BLOB", {field("cbSize", DWORD())})), "IntPtr p"},
        {LPWSTR(),
         "[MarshalAs(UnmanagedType.LPWStr)] StringBuilder p"},  // a string of a mixed function
    };
    for (const auto& [type, cs] : cases) EXPECT_EQ(one(type), cs) << type->spelling;
    EXPECT_EQ(one(LPSTR(), CharSet::Ansi), "StringBuilder p");
    EXPECT_EQ(one(LPCSTR(), CharSet::Auto, true), "string p");
    // A fixed narrow string in a pair.
    EXPECT_EQ(one(LPCSTR(), CharSet::Auto, false), "[MarshalAs(UnmanagedType.LPStr)] string p");
}

TEST(CsMap, CharacterSetOfADeclaration) {
    const std::vector<CTypePtr> ansi = {HWND(), LPCSTR(), LPCSTR()};
    const std::vector<CTypePtr> wide = {HWND(), LPCWSTR(), LPCSTR()};
    const StringSides pair = tolvane::gen::stringSides(ansi, &wide);
    EXPECT_EQ(pair.charSet, CharSet::Auto);
    EXPECT_EQ(pair.generic, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(tolvane::gen::stringSides({LPCWSTR()}, nullptr).charSet, CharSet::Unicode);
    EXPECT_EQ(tolvane::gen::stringSides({LPCSTR(), LPWSTR()}, nullptr).charSet, CharSet::None);
}

TEST(CsMap, DeclarationsAndLastErrorRule) {
    Function f =
        declaration("lstrcpyA", LPSTR(), {{"lpString1", LPSTR()}, {"lpString2", LPCSTR()}});
    f.cdecl_ = true;
    EXPECT_TRUE(tolvane::gen::setsLastError(f));
    EXPECT_EQ(tolvane::gen::csDeclare({"lstrcpy", "kernel32.dll", true, ""}, f, {},
                                      tolvane::gen::stringSides({LPSTR(), LPCSTR()}, nullptr)),
              "[DllImport(\"kernel32.dll\", CharSet = CharSet.Ansi, SetLastError = true, "
              "CallingConvention = CallingConvention.Cdecl)]\r\n"
              "static extern IntPtr lstrcpy(StringBuilder lpString1, string lpString2);");
    f.result = DWORD();
    EXPECT_FALSE(tolvane::gen::setsLastError(f));
    // A structure neither side has a Type for cannot be passed by value.
    f.params = {{"b", record("BLOB", {field("cbSize", DWORD())})}};
    EXPECT_EQ(tolvane::gen::csDeclare({"F", "x.dll", false, ""}, f, {}, {}), "");
}

TEST(CsMap, SequentialStructs) {
    // Narrow and wide text in one structure: no character set, so each is spelled out.
    auto r = record("SAMPLEA", {field("name", array(CHAR(), 16)), field("wide", array(WCHAR(), 4)),
                                field("text", LPCSTR()), field("tail", array(BYTE(), 0))});
    EXPECT_EQ(tolvane::gen::csStruct(
                  "SAMPLE", *r->body, known(),
                  tolvane::gen::stringSides(
                      {array(CHAR(), 16), array(WCHAR(), 4), LPCSTR(), array(BYTE(), 0)}, nullptr),
                  {}),
              "[StructLayout(LayoutKind.Sequential)]\r\nstruct SAMPLE\r\n{\r\n"
              "    [MarshalAs(UnmanagedType.ByValArray, SizeConst = 16)] public byte[] name;\r\n"
              "    [MarshalAs(UnmanagedType.ByValArray, SizeConst = 4)] public ushort[] wide;\r\n"
              "    [MarshalAs(UnmanagedType.LPStr)] public string text;\r\n"
              "}");
    const auto t = record("P", {field("a", WORD())});
    const auto* p = t->body.get();
    EXPECT_EQ(tolvane::gen::csStruct("P", *p, {}, {}, {1, false, 0}),
              "[StructLayout(LayoutKind.Sequential, Pack = 1)]\r\nstruct P\r\n{\r\n    public "
              "ushort a;\r\n}");
    // No Pack fits both targets: the 64-bit form, saying what 32-bit needs.
    EXPECT_TRUE(
        tolvane::gen::csStruct("P", *p, {}, {}, {0, true, 1})
            .starts_with(
                "// 此声明按 64 位进程的布局；C 在 32 位下紧缩此结构，32 位进程请改用 Pack = 1\r\n"
                "[StructLayout(LayoutKind.Sequential)]"));
}

TEST(CsMap, UnionsOfUnlikeMembersAreNestedExplicitStructs) {
    // One member cannot stand for a DWORD and a pointer on both targets; two DWORDs can.
    auto mixed = record("", {field("dw", DWORD()), field("p", HANDLE())}, true);
    auto alike = record("", {field("x", DWORD()), field("y", DWORD())}, true);
    auto r = record("S", {field("a", DWORD()), field("u", mixed), field("", alike)});
    EXPECT_EQ(tolvane::gen::csStruct("S", *r->body, {}, {}, {}),
              "[StructLayout(LayoutKind.Sequential)]\r\nstruct S\r\n{\r\n    public uint a;\r\n"
              "    public Union2 u;\r\n    public uint x;\r\n"
              "    [StructLayout(LayoutKind.Explicit)]\r\n    public struct Union2\r\n    {\r\n"
              "        [FieldOffset(0)] public uint u_dw;\r\n        [FieldOffset(0)] public "
              "IntPtr u_p;\r\n    }\r\n}");
}

TEST(CsMap, ConstantsTakeTheTypeOfTheirExpression) {
    const std::pair<Constant, const char*> cases[] = {
        {constant("X", 0x80000000LL, true, 4, true), "const uint X = 0x80000000;"},
        {constant("X", -1, true, 8, true), "const ulong X = 0xFFFFFFFFFFFFFFFF;"},
        {constant("checked", 10000000000LL, false, 8), "const long @checked = 10000000000;"},
    };
    for (const auto& [constant, cs] : cases) EXPECT_EQ(tolvane::gen::csConst(constant), cs) << cs;
}

}  // namespace
