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

std::string one(CTypePtr type, CharSet cs = CharSet::None, bool generic = false) {
    return csParam(Param{"p", std::move(type)}, 1, known(), cs, generic);
}

TEST(CsMap, ParametersFollowTheTypeMap) {
    EXPECT_EQ(one(HWND()), "IntPtr p");
    EXPECT_EQ(one(LPARAM()), "IntPtr p");
    EXPECT_EQ(one(WNDPROC()), "IntPtr p");
    EXPECT_EQ(one(LPVOID()), "IntPtr p");
    EXPECT_EQ(one(BOOL()), "bool p");
    EXPECT_EQ(one(DWORD()), "uint p");
    EXPECT_EQ(one(LONG()), "int p");
    EXPECT_EQ(one(WORD()), "ushort p");
    EXPECT_EQ(one(WCHAR()), "char p");
    EXPECT_EQ(one(LONGLONG()), "long p");
    EXPECT_EQ(one(LARGE_INTEGER()), "long p");
    EXPECT_EQ(one(real(4)), "float p");
    EXPECT_EQ(one(pointer(DWORD())), "ref uint p");
    EXPECT_EQ(one(pointer(HANDLE())), "ref IntPtr p");
    EXPECT_EQ(one(pointer(BYTE())), "byte[] p");
    EXPECT_EQ(one(pointer(RECT())), "ref RECT p");
    EXPECT_EQ(one(pointer(record("GUID", {field("Data1", DWORD())}))), "ref Guid p");
    EXPECT_EQ(one(pointer(record("BLOB", {field("cbSize", DWORD())}))), "IntPtr p");
    EXPECT_EQ(one(pointer(record("OPAQUE", {}, false, false))), "IntPtr p");
}

TEST(CsMap, StringsFollowTheCharacterSet) {
    EXPECT_EQ(one(LPCSTR(), CharSet::Ansi), "string p");
    EXPECT_EQ(one(LPSTR(), CharSet::Ansi), "StringBuilder p");
    EXPECT_EQ(one(LPCWSTR(), CharSet::Unicode), "string p");
    EXPECT_EQ(one(LPCSTR(), CharSet::Auto, true), "string p");
    // A fixed narrow string in a pair, or any string of a mixed function.
    EXPECT_EQ(one(LPCSTR(), CharSet::Auto, false), "[MarshalAs(UnmanagedType.LPStr)] string p");
    EXPECT_EQ(one(LPWSTR(), CharSet::None), "[MarshalAs(UnmanagedType.LPWStr)] StringBuilder p");
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
    Function f;
    f.name = "lstrcpyA";
    f.result = LPSTR();
    f.params = {{"lpString1", LPSTR()}, {"lpString2", LPCSTR()}};
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

TEST(CsMap, UnionsOverlayTheirScalarMembers) {
    auto inner = record("", {field("Low", DWORD()), field("High", LONG())});
    auto u = record("U", {field("", inner), field("bytes", array(BYTE(), 8)), field("Quad", LONGLONG())}, true);
    EXPECT_EQ(tolvane::gen::csStruct("U", *u->body, {}, {}),
              "[StructLayout(LayoutKind.Explicit, Size = 8)]\r\nstruct U\r\n{\r\n"
              "    [FieldOffset(0)] public uint Low;\r\n"
              "    [FieldOffset(4)] public int High;\r\n"
              "    [FieldOffset(0)] public long Quad;\r\n"
              "}");
    auto arrays = record("A", {field("b", array(BYTE(), 16)), field("w", array(WORD(), 4))}, true);
    EXPECT_EQ(tolvane::gen::csStruct("A", *arrays->body, {}, {}),
              "[StructLayout(LayoutKind.Explicit, Size = 16)]\r\nstruct A\r\n{\r\n"
              "    [FieldOffset(0)] [MarshalAs(UnmanagedType.ByValArray, SizeConst = 16)] public byte[] b;\r\n"
              "}");
}

TEST(CsMap, ConstantsTakeTheTypeOfTheirExpression) {
    Constant c;
    c.name = "X";
    c.value = 0x80000000LL;
    c.hex = true;
    c.isUnsigned = true;
    EXPECT_EQ(tolvane::gen::csConst(c), "const uint X = 0x80000000;");
    c.isUnsigned = false;
    c.value = -2147467259;
    EXPECT_EQ(tolvane::gen::csConst(c), "const int X = -2147467259;");
    c.isPointer = true;
    c.value = -1;
    EXPECT_EQ(tolvane::gen::csConst(c), "const int X = -1;");
    c.isPointer = false;
    c.bytes = 8;
    c.isUnsigned = true;
    c.value = -1;  // 0xFFFFFFFFFFFFFFFF
    EXPECT_EQ(tolvane::gen::csConst(c), "const ulong X = 0xFFFFFFFFFFFFFFFF;");
    c.isUnsigned = false;
    c.hex = false;
    c.value = 10000000000LL;
    c.name = "checked";
    EXPECT_EQ(tolvane::gen::csConst(c), "const long @checked = 10000000000;");
}

}  // namespace
