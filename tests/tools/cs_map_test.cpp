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
    const struct {
        CTypePtr type;
        CharSet charSet;
        bool generic;
        const char* cs;
    } cases[] = {
        {HWND(), CharSet::None, false, "IntPtr p"}, {LPARAM(), CharSet::None, false, "IntPtr p"},
        {WNDPROC(), CharSet::None, false, "IntPtr p"}, {LPVOID(), CharSet::None, false, "IntPtr p"},
        {BOOL(), CharSet::None, false, "bool p"}, {DWORD(), CharSet::None, false, "uint p"},
        {LONG(), CharSet::None, false, "int p"}, {WORD(), CharSet::None, false, "ushort p"},
        {WCHAR(), CharSet::None, false, "char p"}, {LONGLONG(), CharSet::None, false, "long p"},
        {LARGE_INTEGER(), CharSet::None, false, "long p"}, {real(4), CharSet::None, false, "float p"},
        {pointer(DWORD()), CharSet::None, false, "ref uint p"},
        {pointer(HANDLE()), CharSet::None, false, "ref IntPtr p"},
        {pointer(BYTE()), CharSet::None, false, "byte[] p"},
        {pointer(RECT()), CharSet::None, false, "ref RECT p"},
        {pointer(record("GUID", {field("Data1", DWORD())})), CharSet::None, false, "ref Guid p"},
        {pointer(record("BLOB", {field("cbSize", DWORD())})), CharSet::None, false, "IntPtr p"},
        {pointer(record("OPAQUE", {}, false, false)), CharSet::None, false, "IntPtr p"},
        {LPCSTR(), CharSet::Ansi, false, "string p"}, {LPSTR(), CharSet::Ansi, false, "StringBuilder p"},
        {LPCWSTR(), CharSet::Unicode, false, "string p"}, {LPCSTR(), CharSet::Auto, true, "string p"},
        // a fixed narrow string in a pair, or any string of a mixed function
        {LPCSTR(), CharSet::Auto, false, "[MarshalAs(UnmanagedType.LPStr)] string p"},
        {LPWSTR(), CharSet::None, false, "[MarshalAs(UnmanagedType.LPWStr)] StringBuilder p"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(csParam(Param{"p", c.type}, 1, known(), c.charSet, c.generic), c.cs) << c.type->spelling;
}

TEST(CsMap, CharacterSetOfADeclaration) {
    const std::vector<CTypePtr> ansi = {HWND(), LPCSTR(), LPCSTR()};
    const std::vector<CTypePtr> wide = {HWND(), LPCWSTR(), LPCSTR()};
    const StringSides pair = tolvane::gen::stringSides(ansi, &wide);
    EXPECT_EQ(pair.charSet, CharSet::Auto);
    EXPECT_EQ(pair.generic, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(tolvane::gen::stringSides(ansi, nullptr).charSet, CharSet::Ansi);
    EXPECT_EQ(tolvane::gen::stringSides({LPCWSTR()}, nullptr).charSet, CharSet::Unicode);
    EXPECT_EQ(tolvane::gen::stringSides({LPCSTR(), LPWSTR()}, nullptr).charSet, CharSet::None);
    EXPECT_EQ(tolvane::gen::stringSides({DWORD()}, nullptr).charSet, CharSet::None);
}

TEST(CsMap, DeclarationsAndLastErrorRule) {
    Function f = declaration("lstrcpyA", LPSTR(), {{"lpString1", LPSTR()}, {"lpString2", LPCSTR()}});
    f.cdecl_ = true;
    EXPECT_TRUE(tolvane::gen::setsLastError(f));
    EXPECT_EQ(tolvane::gen::csDeclare({"lstrcpy", "kernel32.dll", true}, f, {},
                                      tolvane::gen::stringSides({LPSTR(), LPCSTR()}, nullptr)),
              "[DllImport(\"kernel32.dll\", CharSet = CharSet.Ansi, SetLastError = true, "
              "CallingConvention = CallingConvention.Cdecl)]\r\n"
              "static extern IntPtr lstrcpy(StringBuilder lpString1, string lpString2);");
    f.result = DWORD();
    EXPECT_FALSE(tolvane::gen::setsLastError(f));
    f.result = BOOL();
    EXPECT_TRUE(tolvane::gen::setsLastError(f));
    // A structure neither side has a Type for cannot be passed by value.
    f.params = {{"b", record("BLOB", {field("cbSize", DWORD())})}};
    EXPECT_EQ(tolvane::gen::csDeclare({"F", "x.dll", false}, f, {}, {}), "");
}

TEST(CsMap, SequentialStructs) {
    auto r = record("SAMPLEA", {field("cb", DWORD()), field("name", array(CHAR(), 16)),
                                field("wide", array(WCHAR(), 4)), field("bits", array(DWORD(), 2)),
                                field("text", LPCSTR()), field("ok", BOOL()), field("tail", array(BYTE(), 0))});
    EXPECT_EQ(tolvane::gen::csStruct("SAMPLE", *r->body, known(),
                                     tolvane::gen::stringSides({DWORD(), array(CHAR(), 16), array(WCHAR(), 4),
                                                                array(DWORD(), 2), LPCSTR(), BOOL(), array(BYTE(), 0)},
                                                               nullptr)),
              "[StructLayout(LayoutKind.Sequential)]\r\nstruct SAMPLE\r\n{\r\n"
              "    public uint cb;\r\n"
              "    [MarshalAs(UnmanagedType.ByValArray, SizeConst = 16)] public byte[] name;\r\n"
              "    [MarshalAs(UnmanagedType.ByValArray, SizeConst = 4)] public ushort[] wide;\r\n"
              "    [MarshalAs(UnmanagedType.ByValArray, SizeConst = 2)] public uint[] bits;\r\n"
              "    [MarshalAs(UnmanagedType.LPStr)] public string text;\r\n"
              "    public bool ok;\r\n"
              "}");
    auto packed = std::make_shared<tolvane::gen::Record>(*record("P", {field("a", WORD())})->body);
    packed->pack = 1;
    EXPECT_EQ(tolvane::gen::csStruct("P", *packed, {}, {}),
              "[StructLayout(LayoutKind.Sequential, Pack = 1)]\r\nstruct P\r\n{\r\n    public ushort a;\r\n}");
}

TEST(CsMap, ConstantsTakeTheTypeOfTheirExpression) {
    const std::pair<Constant, const char*> cases[] = {
        {constant("X", 0x80000000LL, true, 4, true), "const uint X = 0x80000000;"},
        {constant("X", -2147467259, true), "const int X = -2147467259;"},
        {constant("X", -1, true, 4, false, true), "const int X = -1;"},
        {constant("X", -1, true, 8, true), "const ulong X = 0xFFFFFFFFFFFFFFFF;"},
        {constant("checked", 10000000000LL, false, 8), "const long @checked = 10000000000;"},
    };
    for (const auto& [constant, cs] : cases) EXPECT_EQ(tolvane::gen::csConst(constant), cs) << cs;
}

}  // namespace
