// The explain, recode, win95 and winnt columns on small declarations: the
// DLL table and the header levels, the error rules, the samples' buffers and
// size members, and the structural VB check of samples.
#include <gtest/gtest.h>

#include "availability.h"
#include "catalogue.h"
#include "explain_text.h"
#include "sample_code.h"
#include "tools/c_types_for_tests.h"
#include "tools/catalogue_forms.h"
#include "vb_check.h"

namespace {

using tolvane::test::has;
using namespace tolvane::test::c;
using tolvane::gen::Row;

// Builds a catalogue of `functions`, each exported by the DLL beside it and
// declared by the headers at every level unless `levels` says otherwise.
struct Built {
    std::vector<Row> rows;
    const Row& operator[](const std::string& name) const {
        for (const Row& r : rows)
            if (r.name == name) return r;
        throw std::runtime_error("no row " + name);
    }
};
Built build(const std::vector<std::pair<tolvane::gen::Function, std::string>>& functions,
            const std::map<std::string, int>& levels = {}, std::vector<CTypePtr> records = {}) {
    tolvane::gen::Declarations d;
    tolvane::gen::ExportIndex exports;
    tolvane::gen::Availability a;
    for (const CTypePtr& r : records) d.records.push_back(r->body);
    for (const auto& [f, dll] : functions) {
        d.functions.push_back(f);
        exports[f.name] = {dll};
        auto it = levels.find(f.name);
        const int level = it == levels.end() ? 0x0400 : it->second;
        if (level <= 0x0400) a.win95.insert(f.name);
        if (level <= 0x0501) a.winnt.insert(f.name);
        for (int l : tolvane::gen::parsedLevels())
            if (l != 0x0400 && l != 0x0501 && level <= l) a.more[l].insert(f.name);
    }
    return {tolvane::gen::buildCatalogue(d, exports, a).rows};
}

TEST(Availability, DllTableAndHeaderLevelsDecideTheColumnsAndTheMinimumVersion) {
    const auto c = build({{declaration("DwmFlush", LONG(), {}), "dwmapi.dll"},
                          {declaration("EnumProcesses", BOOL(), {}), "psapi.dll"},
                          {declaration("GetTickCount", DWORD(), {}), "kernel32.dll"},
                          {declaration("GetSomething", DWORD(), {}), "kernel32.dll"},
                          {declaration("GetNewer", DWORD(), {}), "kernel32.dll"},
                          {declaration("GetNewest", DWORD(), {}), "kernel32.dll"}},
                         {{"GetSomething", 0x0500}, {"GetNewer", 0x0600}, {"GetNewest", 0x0A00}});
    // Declared for Windows 95 by the header, but the DLL came with Vista.
    EXPECT_EQ(c["DwmFlush"].win95 + c["DwmFlush"].winnt, "NoNo");
    EXPECT_TRUE(has(c["DwmFlush"].explain, "需要 Windows Vista 或更高版本。"));
    EXPECT_EQ(c["EnumProcesses"].win95 + c["EnumProcesses"].winnt, "NoYes");
    EXPECT_TRUE(has(c["EnumProcesses"].explain, "Windows 95/98/Me 没有 psapi.dll。"));
    EXPECT_FALSE(has(c["EnumProcesses"].explain, "需要"));
    EXPECT_EQ(c["GetTickCount"].win95 + c["GetTickCount"].winnt, "YesYes");
    EXPECT_FALSE(has(c["GetTickCount"].explain, "需要"));
    EXPECT_EQ(c["GetSomething"].win95 + c["GetSomething"].winnt, "NoYes");
    EXPECT_TRUE(has(c["GetSomething"].explain, "需要 Windows 2000 或更高版本。"));
    EXPECT_EQ(c["GetNewer"].win95 + c["GetNewer"].winnt, "NoNo");
    EXPECT_TRUE(has(c["GetNewer"].explain, "需要 Windows Vista 或更高版本。"));
    EXPECT_TRUE(has(c["GetNewest"].explain, "需要 Windows 10 或更高版本。"));
    // API sets and the catalogue's bare spellings find their rules; an API
    // set's first version is its functions' own, not the DLL's.
    EXPECT_EQ(tolvane::gen::dllRule("api-ms-win-core-synch-l1-2-0.dll")->ntSince, 0);
    EXPECT_EQ(tolvane::gen::dllRule("kernel32")->ntSince, 0x0400);
    EXPECT_EQ(tolvane::gen::dllRule("other.dll"), nullptr);
}

TEST(ErrorRules, TableAndResultTypesDecideTheExplanationTheCheckAndSetLastError) {
    const auto HRESULT = integer(4, true, {"HRESULT", "LONG"}, "long");
    const auto c =
        build({{declaration("CreateFileA", HANDLE(), {{"lpFileName", LPCSTR()}}), "kernel32.dll"},
               {declaration("CreateFileW", HANDLE(), {{"lpFileName", LPCWSTR()}}), "kernel32.dll"},
               {declaration("GetWindowTextLengthA", INT(), {{"hWnd", HWND()}}), "user32.dll"},
               {declaration("GetWindowTextLengthW", INT(), {{"hWnd", HWND()}}), "user32.dll"},
               {declaration("SHDoIt", HRESULT, {}), "shell32.dll"},
               {declaration("RegCloseKey", LONG(), {{"hKey", HANDLE()}}), "advapi32.dll"},
               {declaration("RegCount", LONG(), {}), "other.dll"},
               {declaration("IsThing", BOOL(), {}), "user32.dll"},
               {declaration("SetTimer", LPARAM(), {}), "user32.dll"}});
    const Row& create = c["CreateFile"];
    EXPECT_TRUE(
        has(create.explain,
            "失败时返回 INVALID_HANDLE_VALUE（-1），并设置最后错误：VB 用 Err.LastDllError"));
    EXPECT_TRUE(
        has(create.recode,
            "If result = -1 Then Debug.Print \"CreateFile 失败，错误代码 \" & Err.LastDllError"));
    EXPECT_TRUE(has(create.recode,
                    "if (result == new IntPtr(-1)) Console.WriteLine(\"CreateFile 失败，错误代码 "
                    "\" + Marshal.GetLastWin32Error());"));
    // An int result gets SetLastError = true from the table.
    const Row& length = c["GetWindowTextLength"];
    EXPECT_TRUE(has(length.csharp, "SetLastError = true"));
    EXPECT_TRUE(has(length.recode, "if (result == 0) Console.WriteLine"));
    // A pointer-sized number fails with 0, not with NULL.
    EXPECT_TRUE(has(c["SetTimer"].explain, "失败时返回 0，并设置最后错误"));
    EXPECT_TRUE(has(c["SetTimer"].recode, "if (result == IntPtr.Zero) Console.WriteLine"));
    EXPECT_TRUE(has(c["SHDoIt"].explain, "返回值就是错误代码（HRESULT，小于 0 表示失败）"));
    EXPECT_TRUE(has(c["SHDoIt"].recode,
                    "If result < 0 Then Debug.Print \"SHDoIt 返回错误代码 \" & result"));
    EXPECT_TRUE(has(c["RegCloseKey"].explain, "（LONG，0 表示成功）"));
    EXPECT_TRUE(has(c["RegCloseKey"].recode, "if (result != 0)"));
    // Neither in the table nor of an error-code type: nothing is said or checked.
    for (const char* name : {"RegCount", "IsThing"}) {
        EXPECT_FALSE(has(c[name].explain, "错误")) << name;
        EXPECT_FALSE(has(c[name].recode, "If ")) << name;
        EXPECT_FALSE(has(c[name].recode, "if (")) << name;
    }
}

TEST(Samples, VbCheckRejectsWhatVbWouldNotRunAsMeant) {
    const std::string declare =
        R"(Declare Function GetInfo Lib "user32" (ByRef pInfo As INFO, ByVal n As Long) As Long)";
    const std::set<std::string> types = {"INFO"};
    auto check = [&](const std::string& body) {
        return tolvane::gen::checkVbSample("' VB6 示例\r\n" + body, declare, types);
    };
    EXPECT_EQ(check("Dim pInfo As INFO\r\nDim n As Long\r\nDim r As Long\r\npInfo.cb = "
                    "Len(pInfo)\r\nr = GetInfo(pInfo, n)"),
              "");
    EXPECT_NE(check("Dim pInfo As Long\r\nDim n As Long\r\nDim r As Long\r\nr = GetInfo(pInfo, n)"),
              "");  // ByRef type
    EXPECT_NE(check("Dim pInfo As INFO\r\nDim r As Long\r\nr = GetInfo(pInfo, n)"),
              "");  // undeclared
    EXPECT_NE(check("Dim pInfo As INFO\r\nDim n As Long\r\nDim r As Long\r\nr = GetInfo(pInfo)"),
              "");  // count
    EXPECT_NE(
        check("Dim pInfo As INFO\r\nDim n As Long\r\nDim r As String\r\nr = GetInfo(pInfo, n)"),
        "");  // result type
    EXPECT_NE(check("Dim pInfo As INFO\r\nDim n As Long\r\nDim n As Long\r\nDim r As Long\r\nr = "
                    "GetInfo(pInfo, n)"),
              "");
    EXPECT_NE(check("Dim pInfo As INFO\r\nDim n As Long\r\nDim r As Long\r\nn = String$(9, "
                    "vbNullChar)\r\nr = GetInfo(pInfo, n)"),
              "");
    EXPECT_NE(check("Dim pInfo As INFO\r\nDim n As Long\r\nDim r As Long\r\nr = GetInfo(pInfo, "
                    "n)\r\nIf n = 0 Then Debug.Print \"x\" & r"),
              "");
    EXPECT_NE(check("Dim pInfo As INFO\r\nDim n As Long"), "");  // no call
    EXPECT_NE(check("Dim pInfo As Any\r\nDim n As Long\r\nDim r As Long\r\nr = GetInfo(pInfo, n)"),
              "");
    // Arrays go by their first element, and UBound counts only arrays.
    const std::string bytes =
        R"(Declare Function Read Lib "user32" (ByRef b As Byte, ByVal n As Long) As Long)";
    auto checkBytes = [&](const std::string& body) {
        return tolvane::gen::checkVbSample(body, bytes, types);
    };
    EXPECT_EQ(checkBytes("Dim b(0 To 9) As Byte\r\nDim n As Long\r\nDim r As Long\r\nn = UBound(b) "
                         "+ 1\r\nr = Read(b(0), n)"),
              "");
    EXPECT_NE(
        checkBytes("Dim b(0 To 9) As Byte\r\nDim n As Long\r\nDim r As Long\r\nr = Read(b, n)"),
        "");
    EXPECT_NE(checkBytes("Dim b As Byte\r\nDim n As Long\r\nDim r As Long\r\nn = UBound(b) + "
                         "1\r\nr = Read(b, n)"),
              "");
    EXPECT_NE(checkBytes("Dim b As Byte\r\nDim n As Long\r\nDim r As Long\r\nr = Read(b(0), n)"),
              "");
}

TEST(Explain, ConstantValuesInHexadecimalAndDecimalAtTheirWidth) {
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
