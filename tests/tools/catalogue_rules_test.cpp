// The generator's rules on rows: ANSI/Unicode pairs and their character
// set, what is left out, and the structural VB checks.
#include <gtest/gtest.h>

#include "catalogue.h"
#include "header_coverage.h"
#include "tools/c_types_for_tests.h"
#include "vb_check.h"

namespace {

using namespace tolvane::test::c;
using tolvane::gen::Function;
using tolvane::gen::Row;
using tolvane::gen::VbDialect;

TEST(CatalogueBuilder, PairsBecomeOneRecordUnderTheGenericName) {
    tolvane::gen::Declarations d;
    auto ofnA = record("OFNA", {field("lStructSize", DWORD()), field("lpstrFile", LPSTR())});
    auto ofnW = record("OFNW", {field("lStructSize", DWORD()), field("lpstrFile", LPWSTR())});
    d.records = {ofnA->body, ofnW->body};
    d.functions = {declaration("PickA", BOOL(), {{"", pointer(ofnA)}}),
                   declaration("PickW", BOOL(), {{"", pointer(ofnW)}}),
                   declaration("ShowWindow", BOOL(),
                               {{"hWnd", HWND()}, {"lpRect", pointer(constOf(RECT()))}})};
    const tolvane::gen::ExportIndex exports = {
        {"PickA", {"comdlg32.dll"}}, {"PickW", {"comdlg32.dll"}}, {"ShowWindow", {"user32.dll"}}};
    tolvane::gen::Availability availability;
    availability.win95 = {"PickA", "OFNA"};
    availability.winnt = {"PickW", "OFNA", "OFNW", "ShowWindow"};
    const auto c = tolvane::gen::buildCatalogue(d, exports, availability);
    ASSERT_EQ(c.rows.size(), 3u);  // sorted by name
    const Row &type = c.rows[0], &pick = c.rows[1], &show = c.rows[2];
    EXPECT_EQ(type.name + ' ' + pick.name + ' ' + show.name, "OFN Pick ShowWindow");
    EXPECT_EQ(pick.othername, "PickA PickW");
    EXPECT_EQ(
        pick.declare,
        R"(Declare Function Pick Lib "comdlg32.dll" Alias "PickA" (ByRef lpOFN As OFN) As Long)");
    EXPECT_NE(pick.csharp.find("CharSet = CharSet.Auto"), std::string::npos);
    EXPECT_EQ(pick.win95 + pick.winnt, "YesYes");
    EXPECT_EQ(type.othername, "OFNA OFNW");
    EXPECT_EQ(show.libsclass + ' ' + show.win95, "user32 No");
    // One line per parameter; a pointer to const is marked as input.
    EXPECT_EQ(show.parameter,
              "ByVal hWnd As Long    ' HWND hWnd\r\nByRef lpRect As Any    ' RECT * lpRect [输入]");
}

TEST(CatalogueBuilder, LeavesOutWhatCannotBeImportedOrDeclared) {
    tolvane::gen::Declarations d;
    Function variadic = declaration("wsprintfA", BOOL(), {{"", LPSTR()}});
    variadic.variadic = true;
    d.functions = {
        declaration("NotExported", BOOL(), {}), declaration("strlen", BOOL(), {}),
        declaration("DllGetClassObject", BOOL(), {}), variadic,
        declaration("GetDpi", BOOL(), {{"pt", record("ANON_PT", {field("x", LONG())})}})};
    d.records = {record("_INTERNAL", {field("a", DWORD())})->body,
                 record("IUnknownVtbl", {field("f", LPVOID())})->body, record("EMPTY", {})->body};
    d.constants = {constant("WM_NULL", 0, false), constant("WM_NULL", 5, false)};
    const tolvane::gen::ExportIndex exports = {{"strlen", {"msvcrt.dll", "ntdll.dll"}},
                                               {"DllGetClassObject", {"shell32.dll"}},
                                               {"wsprintfA", {"user32.dll"}},
                                               {"GetDpi", {"user32.dll"}}};
    const auto c = tolvane::gen::buildCatalogue(d, exports, {});
    EXPECT_EQ(c.skipped.notExported, 1);
    EXPECT_EQ(c.skipped.excludedOnly, 1);
    EXPECT_EQ(c.skipped.variadic, 1);
    EXPECT_EQ(c.skipped.inexpressible, 1);  // a structure without a Type, by value
    ASSERT_EQ(c.rows.size(), 1u);
    EXPECT_EQ(c.rows[0].name, "WM_NULL");
    EXPECT_EQ(c.rows[0].declare, "Const WM_NULL = 0");
    // A header declaring a function of a listed DLL must be read or excluded:
    // a declaration counts, not a call, a comment, a macro or a COM method.
    const std::string header = R"(/* Gone(void); */
#define Macro(x) \
    Continued(x)
WINBASEAPI BOOL WINAPI Declared (HANDLE h); // Commented(void);
HANDLE *Pointer(void);
static inline int Inline(void) { return Called(1) + (Nested(2)); }
virtual HRESULT STDMETHODCALLTYPE Method(void);
HRESULT (STDMETHODCALLTYPE *Slot)(void *This);)";
    EXPECT_EQ(tolvane::gen::declaredExports(
                  header, {"Gone", "Macro", "Continued", "Declared", "Commented", "Pointer",
                           "Inline", "Called", "Nested", "Method", "Slot"}),
              (std::set<std::string>{"Declared", "Pointer", "Inline"}));
}

TEST(VbCheck, CatchesWhatVbWouldReject) {
    const std::set<std::string> types = {"RECT"};
    const std::tuple<const char*, const char*, bool> declares[] = {
        {R"(Declare Function F Lib "a" (ByRef r As RECT) As Long)", "F", true},
        {R"(Declare Sub F Lib "a" Alias "FA" ())", "FA", true},
        {R"(Declare Function F Lib "a" ((ByVal x As Long) As Long)", "F", false},
        {R"(Declare Function F Lib "a" (ByVal x As DWORD) As Long)", "F", false},
        {R"(Declare Function F Lib "a" Alias "FW" () As Long)", "FA", false},
        {R"(Declare Sub F Lib "a" () As Long)", "F", false},
        {R"(Declare Function F Lib "a" (ByVal x As Long, ByVal X As Long) As Long)", "F", false},
        {R"(Declare Function F Lib "a" (x As Long) As Long)", "F", false},
    };
    for (const auto& [declare, exported, sound] : declares)
        EXPECT_EQ(tolvane::gen::checkVbDeclare(declare, exported, types).empty(), sound) << declare;
    const std::pair<const char*, bool> blocks[] = {
        {"Type T\r\n    a As Long\r\n    s As String * 8\r\n    b(0 To 3) As RECT\r\nEnd Type",
         true},
        {"Type T\r\n    a As Long\r\n    A As Long\r\nEnd Type", false},
        {"Type T\r\n    a As POINT\r\nEnd Type", false},
    };
    for (const auto& [block, sound] : blocks)
        EXPECT_EQ(tolvane::gen::checkVbType(block, types).empty(), sound) << block;
    // A Long constant in hexadecimal needs its "&"; without it VB reads an Integer.
    const std::pair<const char*, bool> constants[] = {{"Const A = &H80000000&", true},
                                                      {"Const A = &H80000000", false},
                                                      {"Const A = 0x10", false}};
    for (const auto& [constant, sound] : constants)
        EXPECT_EQ(tolvane::gen::checkVbConst(constant).empty(), sound) << constant;
}

TEST(VbCheck, WantsPtrSafeExactlyIn64BitVba) {
    using tolvane::gen::checkVbDeclare;
    const std::string safe =
        R"(Declare PtrSafe Function A Lib "a" (ByVal h As LongPtr) As LongLong)";
    const std::string old = R"(Declare Function A Lib "a" (ByVal h As Long) As Long)";
    EXPECT_EQ(checkVbDeclare(safe, "A", {}, VbDialect::Vba64), "");
    EXPECT_NE(checkVbDeclare(safe, "A", {}, VbDialect::Vb6), "");
    EXPECT_NE(checkVbDeclare(old, "A", {}, VbDialect::Vba64), "");
    EXPECT_EQ(checkVbDeclare(old, "A", {}, VbDialect::Vb6), "");
    EXPECT_NE(
        checkVbDeclare(R"(Declare PtrSafe Function A Lib "a" (ByVal h As LongPtr) As Currency2)",
                       "A", {}, VbDialect::Vba64),
        "");
    EXPECT_NE(tolvane::gen::checkVbConst("Const X = 4294967296^", VbDialect::Vb6), "");
    EXPECT_NE(tolvane::gen::checkVbConst("Const X As Double = 4294967296  ' x", VbDialect::Vba64),
              "");
}

}  // namespace
