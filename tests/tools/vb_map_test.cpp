#include "vb_map.h"

#include <gtest/gtest.h>

#include "c_model.h"
#include "tools/c_types_for_tests.h"

namespace {

using namespace tolvane::test::c;
using tolvane::gen::Constant;
using tolvane::gen::Function;
using tolvane::gen::Param;
using tolvane::gen::TypeNames;
using tolvane::gen::vbParams;

TypeNames rectAndPoint() {
    TypeNames names;
    names.add("RECT", "RECT");
    names.add("POINT", "POINT");
    return names;
}

std::string one(CTypePtr type, const std::string& name = "p") {
    const auto params = vbParams(Param{name, std::move(type)}, 1, rectAndPoint());
    return params.size() == 1 ? params[0] : "(" + std::to_string(params.size()) + " parameters)";
}

TEST(VbMap, ParametersFollowTheTypeMap) {
    EXPECT_EQ(one(HWND()), "ByVal p As Long");
    EXPECT_EQ(one(HANDLE()), "ByVal p As Long");
    EXPECT_EQ(one(LPARAM()), "ByVal p As Long");
    EXPECT_EQ(one(BOOL()), "ByVal p As Long");
    EXPECT_EQ(one(WORD()), "ByVal p As Integer");
    EXPECT_EQ(one(BYTE()), "ByVal p As Byte");
    EXPECT_EQ(one(LONGLONG()), "ByVal p As Currency");
    EXPECT_EQ(one(LARGE_INTEGER()), "ByVal p As Currency");
    EXPECT_EQ(one(real(8)), "ByVal p As Double");
    EXPECT_EQ(one(LPCSTR()), "ByVal p As String");
    EXPECT_EQ(one(LPSTR()), "ByVal p As String");
    EXPECT_EQ(one(LPCWSTR()), "ByVal p As Long");  // passed as StrPtr
    EXPECT_EQ(one(WNDPROC()), "ByVal p As Long");
    EXPECT_EQ(one(pointer(DWORD())), "ByRef p As Long");
    EXPECT_EQ(one(pointer(WORD())), "ByRef p As Integer");
    EXPECT_EQ(one(pointer(LARGE_INTEGER())), "ByRef p As Currency");
    EXPECT_EQ(one(pointer(real(4))), "ByRef p As Single");
    EXPECT_EQ(one(pointer(HANDLE())), "ByRef p As Long");
    EXPECT_EQ(one(pointer(RECT())), "ByRef p As RECT");
    EXPECT_EQ(one(pointer(constOf(RECT()))), "ByRef p As RECT");
    EXPECT_EQ(one(LPVOID()), "ByRef p As Any");
    // A structure the catalogue has no Type for is passed untyped.
    EXPECT_EQ(one(pointer(record("BLOB", {field("cbSize", DWORD())}))), "ByRef p As Any");
    EXPECT_EQ(one(array(DWORD(), 4)), "ByRef p As Long");
}

TEST(VbMap, StructureByValueIsPassedAsItsWords) {
    EXPECT_EQ(vbParams(Param{"pt", POINT()}, 1, rectAndPoint()),
              (std::vector<std::string>{"ByVal pt_x As Long", "ByVal pt_y As Long"}));
    // Members that are not single words: numbered words instead.
    auto mixed = record("SIZES", {field("a", WORD()), field("b", WORD()), field("c", DWORD())});
    EXPECT_EQ(vbParams(Param{"s", mixed}, 1, rectAndPoint()),
              (std::vector<std::string>{"ByVal s_1 As Long", "ByVal s_2 As Long"}));
}

TEST(VbMap, ParameterNamesAreUsableInVb) {
    EXPECT_EQ(vbParams(Param{"", DWORD()}, 3, {})[0], "ByVal p3 As Long");
    EXPECT_EQ(vbParams(Param{"Type", DWORD()}, 1, {})[0], "ByVal Type_ As Long");
    EXPECT_EQ(vbParams(Param{"string", DWORD()}, 1, {})[0], "ByVal string_ As Long");
    EXPECT_EQ(vbParams(Param{"_reserved", DWORD()}, 1, {})[0], "ByVal reserved As Long");
}

Function fn(const std::string& name, CTypePtr result, std::vector<Param> params) {
    Function f;
    f.name = name;
    f.result = std::move(result);
    f.params = std::move(params);
    return f;
}

TEST(VbMap, DeclareStatements) {
    const Function sleep = fn("Sleep", voidType(), {{"dwMilliseconds", DWORD()}});
    EXPECT_EQ(tolvane::gen::vbDeclare("Sleep", "Sleep", "kernel32", sleep, {}),
              R"(Declare Sub Sleep Lib "kernel32" (ByVal dwMilliseconds As Long))");
    const Function text = fn("SetWindowTextA", BOOL(), {{"hWnd", HWND()}, {"lpString", LPCSTR()}});
    EXPECT_EQ(tolvane::gen::vbDeclare("SetWindowText", "SetWindowTextA", "user32", text, {}),
              R"(Declare Function SetWindowText Lib "user32" Alias "SetWindowTextA" (ByVal hWnd As Long, ByVal lpString As String) As Long)");
    const Function open = fn("_lopen", INT(), {});
    EXPECT_EQ(tolvane::gen::vbDeclare("_lopen", "_lopen", "kernel32", open, {}),
              R"(Declare Function lopen Lib "kernel32" Alias "_lopen" () As Long)");
    // VB cannot receive a structure as a function result.
    EXPECT_EQ(tolvane::gen::vbDeclare("F", "F", "x.dll", fn("F", POINT(), {}), rectAndPoint()), "");
}

TEST(VbMap, TypeBlocks) {
    auto anonymousUnion = record("", {field("a", WORD()), field("b", DWORD())}, true);
    auto r = record("SAMPLE", {field("szName", array(CHAR(), 32)), field("wide", array(WCHAR(), 4)),
                               field("", anonymousUnion), field("flag1", DWORD(), 1), field("flag2", DWORD(), 3),
                               field("rc", RECT()), field("text", LPSTR()), field("Data", DWORD()),
                               field("data", DWORD()), field("tail", array(BYTE(), 0))});
    EXPECT_EQ(tolvane::gen::vbTypeBlock("SAMPLE", *r->body, rectAndPoint()),
              "Type SAMPLE\r\n"
              "    szName As String * 32\r\n"
              "    wide(0 To 3) As Integer\r\n"
              "    b As Long\r\n"
              "    flag1 As Long\r\n"
              "    rc As RECT\r\n"
              "    text As String\r\n"
              "    Data As Long\r\n"
              "    data2 As Long\r\n"
              "End Type");
}

Constant constant(long long value, bool hex, int bytes = 4, bool isUnsigned = false, bool isPointer = false) {
    Constant c;
    c.name = "X";
    c.value = value;
    c.hex = hex;
    c.bytes = bytes;
    c.isUnsigned = isUnsigned;
    c.isPointer = isPointer;
    return c;
}

TEST(VbMap, ConstantsKeepTheirBitPatternAsLong) {
    EXPECT_EQ(tolvane::gen::vbConst(constant(16, true)), "Const X = &H10&");
    EXPECT_EQ(tolvane::gen::vbConst(constant(16, false)), "Const X = 16");
    EXPECT_EQ(tolvane::gen::vbConst(constant(-1, false, 4, false, true)), "Const X = -1");
    EXPECT_EQ(tolvane::gen::vbConst(constant(-2147467259, true)), "Const X = &H80004005&");
    // Written in decimal but beyond a signed Long: the same 32 bits in hex.
    EXPECT_EQ(tolvane::gen::vbConst(constant(4294967295, false, 4, true)), "Const X = &HFFFFFFFF&");
    EXPECT_EQ(tolvane::gen::vbConst(constant(4294967296, true, 8)), "Const X = 4294967296");
}

}  // namespace
