// The generator's rules on rows: categories, ANSI/Unicode pairs, what is
// left out, availability, the SQL text, and the structural VB checks.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "catalogue.h"
#include "categories.h"
#include "sql_writer.h"
#include "tools/c_types_for_tests.h"
#include "vb_check.h"

namespace {

using namespace tolvane::test::c;
using tolvane::gen::categoryOf;
using tolvane::gen::Function;
using tolvane::gen::Row;

TEST(Categories, RuleTableSortsWellKnownFunctions) {
    struct Case {
        const char *name, *header, *dll;
        int category;
    };
    const Case cases[] = {
        {"CreateMutex", "synchapi.h", "kernel32.dll", 15}, {"SetEvent", "synchapi.h", "kernel32.dll", 15},
        {"WaitForSingleObject", "synchapi.h", "kernel32.dll", 15}, {"Sleep", "synchapi.h", "kernel32.dll", 14},
        {"CreateProcess", "processthreadsapi.h", "kernel32.dll", 14}, {"CreateFile", "fileapi.h", "kernel32.dll", 11},
        {"LZOpenFile", "lzexpand.h", "lz32.dll", 11}, {"AppendMenu", "winuser.h", "user32.dll", 8},
        {"TextOut", "wingdi.h", "gdi32.dll", 9}, {"CreateFontIndirect", "wingdi.h", "gdi32.dll", 9},
        {"GetDC", "winuser.h", "user32.dll", 5}, {"SelectObject", "wingdi.h", "gdi32.dll", 5},
        {"BitBlt", "wingdi.h", "gdi32.dll", 7}, {"LoadIcon", "winuser.h", "user32.dll", 7},
        {"LineTo", "wingdi.h", "gdi32.dll", 6}, {"Rectangle", "wingdi.h", "gdi32.dll", 6},
        {"SendMessage", "winuser.h", "user32.dll", 12}, {"FormatMessage", "winbase.h", "kernel32.dll", 4}, {"MessageBox", "winuser.h", "user32.dll", 3},
        {"GetWindowText", "winuser.h", "user32.dll", 3}, {"WSAStartup", "winsock2.h", "ws2_32.dll", 13},
        {"WNetAddConnection2", "winnetwk.h", "mpr.dll", 13}, {"StartDoc", "wingdi.h", "gdi32.dll", 10},
        {"OpenPrinter", "winspool.h", "winspool.drv", 10}, {"GetSystemMetrics", "winuser.h", "user32.dll", 4},
        {"RegOpenKeyEx", "winreg.h", "advapi32.dll", 4}, {"GetCursorPos", "winuser.h", "user32.dll", 4},
        {"ShellExecute", "shellapi.h", "shell32.dll", 16}, {"ImmGetContext", "imm.h", "imm32.dll", 16},
        {"RtlUnwind", "winnt.h", "ntdll.dll", 4}, {"Frobnicate", "other.h", "other.dll", 2},
    };
    for (const Case& c : cases) EXPECT_EQ(categoryOf(c.name, c.header, c.dll), c.category) << c.name;
}

TEST(Categories, EveryFunctionCategoryHasARule) {
    std::set<int> covered;
    for (const auto& r : tolvane::gen::categoryRules()) covered.insert(r.category);
    for (int c = 3; c <= 16; ++c) EXPECT_TRUE(covered.count(c)) << c;
    EXPECT_FALSE(covered.count(2)) << "uncategorised is what no rule matches";
}

Function fn(const std::string& name, std::vector<tolvane::gen::Param> params, const std::string& header = "test.h") {
    Function f;
    f.name = name;
    f.result = BOOL();
    f.params = std::move(params);
    f.header = header;
    return f;
}

const Row* find(const tolvane::gen::Catalogue& c, const std::string& name) {
    for (const Row& r : c.rows)
        if (r.name == name) return &r;
    return nullptr;
}

TEST(CatalogueBuilder, PairsBecomeOneRecordUnderTheGenericName) {
    tolvane::gen::Declarations d;
    auto ofnA = record("OFNA", {field("lStructSize", DWORD()), field("lpstrFile", LPSTR())});
    auto ofnW = record("OFNW", {field("lStructSize", DWORD()), field("lpstrFile", LPWSTR())});
    d.records = {ofnA->body, ofnW->body};
    d.functions = {fn("PickA", {{"", pointer(ofnA)}}), fn("PickW", {{"", pointer(ofnW)}}),
                   fn("ShowWindow", {{"hWnd", HWND()}, {"lpRect", pointer(constOf(RECT()))}})};
    const tolvane::gen::ExportIndex exports = {
        {"PickA", {"comdlg32.dll"}}, {"PickW", {"comdlg32.dll"}}, {"ShowWindow", {"user32.dll"}}};
    tolvane::gen::Availability availability;
    availability.win95 = {"PickA", "OFNA"};
    availability.winnt = {"PickW", "OFNA", "OFNW", "ShowWindow"};
    const auto c = tolvane::gen::buildCatalogue(d, exports, availability);
    ASSERT_EQ(c.rows.size(), 3u);
    EXPECT_EQ(c.rows[0].name, "OFN");  // sorted by name
    const Row* pick = find(c, "Pick");
    ASSERT_NE(pick, nullptr);
    EXPECT_EQ(pick->othername, "PickA PickW");
    EXPECT_EQ(pick->declare, R"(Declare Function Pick Lib "comdlg32.dll" Alias "PickA" (ByRef p1 As OFN) As Long)");
    EXPECT_NE(pick->csharp.find("CharSet = CharSet.Auto"), std::string::npos);
    EXPECT_NE(pick->csharp.find("static extern bool Pick(ref OFN p1);"), std::string::npos);
    EXPECT_EQ(pick->win95, "Yes");
    EXPECT_EQ(pick->winnt, "Yes");
    EXPECT_EQ(pick->exports, (std::vector<std::string>{"PickA", "PickW"}));
    const Row* type = find(c, "OFN");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->cls, -1);
    EXPECT_EQ(type->othername, "OFNA OFNW");
    EXPECT_NE(type->csharp.find("CharSet = CharSet.Auto"), std::string::npos);
    const Row* show = find(c, "ShowWindow");
    ASSERT_NE(show, nullptr);
    EXPECT_EQ(show->libsclass, "user32");
    EXPECT_EQ(show->win95, "No");
    EXPECT_EQ(show->othername, "");
    // One line per parameter; a pointer to const is marked as input.
    EXPECT_EQ(show->parameter, "ByVal hWnd As Long    ' HWND hWnd\r\nByRef lpRect As Any    ' RECT * lpRect [输入]");
}

TEST(CatalogueBuilder, LeavesOutWhatCannotBeImportedOrDeclared) {
    tolvane::gen::Declarations d;
    Function variadic = fn("wsprintfA", {{"", LPSTR()}});
    variadic.variadic = true;
    d.functions = {fn("NotExported", {}), fn("strlen", {}), fn("DllGetClassObject", {}), variadic,
                   fn("GetDpi", {{"pt", record("ANON_PT", {field("x", LONG())})}})};
    d.records = {record("_INTERNAL", {field("a", DWORD())})->body, record("IUnknownVtbl", {field("f", LPVOID())})->body,
                 record("EMPTY", {})->body};
    tolvane::gen::Constant a, again;
    a.name = again.name = "WM_NULL";
    again.value = 5;
    d.constants = {a, again};
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
}

TEST(CatalogueBuilder, PairNeedsBothHalvesAndNoGenericFunction) {
    using tolvane::gen::pairGeneric;
    EXPECT_EQ(pairGeneric("CreateFileA", {"CreateFileA", "CreateFileW"}), "CreateFile");
    EXPECT_EQ(pairGeneric("CreateFileA", {"CreateFileA"}), "");
    // A Unicode-only function is no pair: it keeps its own name.
    EXPECT_EQ(pairGeneric("ReadDirectoryChangesA", {"ReadDirectoryChangesW"}), "");
    EXPECT_EQ(pairGeneric("CharNextA", {"CharNextA", "CharNextW", "CharNext"}), "");
    EXPECT_EQ(pairGeneric("A", {"A", "W"}), "");
    EXPECT_EQ(pairGeneric("ShowWindow", {"ShowWindow", "ShowWindoW"}), "");
}

TEST(SqlWriter, RowsSurviveTheRoundTripThroughSqlite) {
    Row r;
    r.name = "O'Brien";
    r.cls = -1;
    r.declare = "Type X\r\n    a As Long\r\nEnd Type";
    r.explain = "结构，声明于 test.h。";
    r.win95 = "Yes";
    r.winnt = "No";
    std::ostringstream sql;
    tolvane::gen::writeSql(sql, {r, r});
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    std::ifstream schema(TOLVANE_SOURCE_DIR "/data/schema.sql");
    std::stringstream text;
    text << schema.rdbuf();
    ASSERT_EQ(sqlite3_exec(db, (text.str() + sql.str()).c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT name, class, declare, explain, winnt FROM winfun", -1, &st, nullptr),
              SQLITE_OK);
    int count = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++count;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))), r.name);
        EXPECT_EQ(sqlite3_column_int(st, 1), -1);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, 2))), r.declare);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, 3))), r.explain);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, 4))), "No");
    }
    EXPECT_EQ(count, 2);
    sqlite3_finalize(st);
    sqlite3_close(db);
}

TEST(VbCheck, CatchesWhatVbWouldReject) {
    using tolvane::gen::checkVbDeclare;
    const std::set<std::string> types = {"RECT"};
    EXPECT_EQ(checkVbDeclare(R"(Declare Function F Lib "a" (ByRef r As RECT) As Long)", "F", types), "");
    EXPECT_EQ(checkVbDeclare(R"(Declare Sub F Lib "a" Alias "FA" ())", "FA", types), "");
    EXPECT_NE(checkVbDeclare(R"(Declare Function F Lib "a" ((ByVal x As Long) As Long)", "F", types), "");
    EXPECT_NE(checkVbDeclare(R"(Declare Function F Lib "a" (ByVal x As DWORD) As Long)", "F", types), "");
    EXPECT_NE(checkVbDeclare(R"(Declare Function F Lib "a" Alias "F" () As Long)", "F", types), "");
    EXPECT_NE(checkVbDeclare(R"(Declare Function F Lib "a" () As Long)", "FA", types), "");
    EXPECT_NE(checkVbDeclare(R"(Declare Function F Lib "a" Alias "FW" () As Long)", "FA", types), "");
    EXPECT_NE(checkVbDeclare(R"(Declare Sub F Lib "a" () As Long)", "F", types), "");
    EXPECT_NE(checkVbDeclare(R"(Declare Function F Lib "a" () As Any)", "F", types), "");
    EXPECT_NE(checkVbDeclare(R"(Declare Function F Lib "a" (ByVal x As Long, ByVal X As Long) As Long)", "F", types),
              "");
    EXPECT_NE(checkVbDeclare(R"(Declare Function F Lib "a" (x As Long) As Long)", "F", types), "");
}

TEST(VbCheck, TypesAndConstants) {
    using tolvane::gen::checkVbConst;
    using tolvane::gen::checkVbType;
    EXPECT_EQ(checkVbType("Type T\r\n    a As Long\r\n    s As String * 8\r\n    b(0 To 3) As RECT\r\nEnd Type", {"RECT"}),
              "");
    EXPECT_NE(checkVbType("Type T\r\nEnd Type", {}), "");
    EXPECT_NE(checkVbType("Type T\r\n    a As Long\r\n    A As Long\r\nEnd Type", {}), "");
    EXPECT_NE(checkVbType("Type T\r\n    a As Long * 4\r\nEnd Type", {}), "");
    EXPECT_NE(checkVbType("Type T\r\n    a As POINT\r\nEnd Type", {}), "");
    EXPECT_EQ(checkVbConst("Const A = &H80000000&"), "");
    EXPECT_EQ(checkVbConst("Const A = -5"), "");
    EXPECT_NE(checkVbConst("Const A = &H80000000"), "");  // an Integer, not a Long
    EXPECT_NE(checkVbConst("Const A = 0x10"), "");
}

}  // namespace
