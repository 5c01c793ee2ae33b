// Records beyond the headers' own and the rules on what the catalogue
// leaves out or renames: hand-made placements, psapi's classic names, the
// two-target C# form, the union of both targets' exports, parameter names.
#include <gtest/gtest.h>

#include "catalogue.h"
#include "export_index.h"
#include "extra_records.h"
#include "facts.h"
#include "param_names.h"
#include "tools/c_types_for_tests.h"

namespace {

using namespace tolvane::test::c;
using namespace tolvane::gen;

TEST(ExtraRecords, HandMadeRecordsArePlacedAndChecked) {
    Function f =
        declaration("CopyMemory", voidType(), {{"Destination", LPVOID()}, {"Source", LPVOID()}});
    placeHandRecord(f,
                    annotationFields("header=minwinbase.h dll=kernel32.dll export=RtlMoveMemory"));
    EXPECT_EQ(f.dll + ' ' + f.exportName + ' ' + vbExportOf(f),
              "kernel32.dll RtlMoveMemory RtlMoveMemory");
    EXPECT_THROW(annotationFields("dll"), std::runtime_error);
    const ExportIndex exports = {{"RtlMoveMemory", {"kernel32.dll", "ntdll.dll"}},
                                 {"GetWindowLongA", {"user32.dll"}}};
    EXPECT_NO_THROW(checkPlacement(f, exports));
    f.dll = "user32.dll";
    EXPECT_THROW(checkPlacement(f, exports), std::runtime_error);
    // A 32-bit stand-in must be exported too; VB, a 32-bit program, calls it.
    Function ptr =
        declaration("GetWindowLongPtrA", LPARAM(), {{"hWnd", HWND()}, {"nIndex", INT()}});
    placeHandRecord(ptr, annotationFields("dll=user32.dll export32=GetWindowLongA"));
    EXPECT_EQ(vbExportOf(ptr), "GetWindowLongA");
    EXPECT_THROW(checkPlacement(ptr, exports),
                 std::runtime_error);  // GetWindowLongPtrA itself is not
    // An export the import libraries do not list is taken from the record.
    Function inc = declaration("InterlockedIncrement", LONG(), {{"lpAddend", pointer(LONG())}});
    placeHandRecord(inc, annotationFields("dll=kernel32.dll only=32"));
    EXPECT_NO_THROW(checkPlacement(inc, exports));
    EXPECT_EQ(placementNote(inc, nullptr, "kernel32.dll"),
              "只有 32 位的 kernel32.dll 导出此函数。");
}

TEST(ExtraRecords, PsapiClassicNamesForTheK32Functions) {
    std::vector<Function> functions = {declaration("K32EnumProcesses", BOOL(), {}),
                                       declaration("K32GetModuleBaseNameA", DWORD(), {}),
                                       declaration("K32Unexported", BOOL(), {}),
                                       declaration("K32Other", BOOL(), {})};
    for (Function& f : functions) f.header = "psapi.h";
    functions[3].header = "winbase.h";
    const ExportIndex exports = {{"EnumProcesses", {"psapi.dll"}},
                                 {"GetModuleBaseNameA", {"psapi.dll"}},
                                 {"Other", {"psapi.dll"}},
                                 {"Unexported", {"kernel32.dll"}}};
    std::vector<std::string> got;
    for (const Function& f : classicPsapiNames(functions, exports))
        got.push_back(f.name + ' ' + f.dll);
    EXPECT_EQ(
        got, (std::vector<std::string>{"EnumProcesses psapi.dll", "GetModuleBaseNameA psapi.dll"}));
}

TEST(ExtraRecords, CSharpFormForBothTargetsCallsTheEntryPointOfTheProcess) {
    Function f = declaration("GetWindowLongPtrA", LPARAM(), {{"hWnd", HWND()}, {"nIndex", INT()}});
    f.dll = "user32.dll";
    f.export32 = "GetWindowLongA";
    const std::string cs =
        csForm({"GetWindowLongPtr", "user32.dll", false, ""}, f, f, true, {}, {});
    EXPECT_EQ(cs,
              "[DllImport(\"user32.dll\", EntryPoint = \"GetWindowLongPtr\")]\r\n"
              "static extern IntPtr GetWindowLongPtr64(IntPtr hWnd, int nIndex);\r\n"
              "[DllImport(\"user32.dll\", EntryPoint = \"GetWindowLong\")]\r\n"
              "static extern IntPtr GetWindowLongPtr32(IntPtr hWnd, int nIndex);\r\n"
              "static IntPtr GetWindowLongPtr(IntPtr hWnd, int nIndex)\r\n{\r\n"
              "    return IntPtr.Size == 8 ? GetWindowLongPtr64(hWnd, nIndex) : "
              "GetWindowLongPtr32(hWnd, nIndex);\r\n}");
    // An alias is called through EntryPoint.
    Function copy = declaration("CopyMemory", voidType(), {{"Destination", LPVOID()}});
    copy.exportName = "RtlMoveMemory";
    EXPECT_EQ(csForm({"CopyMemory", "kernel32.dll", false, ""}, copy, copy, false, {}, {}),
              "[DllImport(\"kernel32.dll\", EntryPoint = \"RtlMoveMemory\")]\r\n"
              "static extern void CopyMemory(IntPtr Destination);");
    EXPECT_EQ(handOtherNames(copy, nullptr), "RtlMoveMemory");
}

TEST(ExtraRecords, WhatIsLeftOutAndTheDocumentedTypeNames) {
    EXPECT_EQ(leftOutRule("BSTR_UserMarshal"), "helper");
    EXPECT_EQ(leftOutRule("HWND_UserFree64"), "helper");
    EXPECT_EQ(leftOutRule("NdrClientCall2"), "helper");
    EXPECT_EQ(leftOutRule("DllMain"), "function");
    EXPECT_EQ(leftOutRule("GetUserName"), "");
    EXPECT_EQ(leftOutRule("_UserSize"), "");
    EXPECT_TRUE(isInterfaceStub(*record("IUnknown", {field("lpVtbl", LPVOID())})->body));
    EXPECT_TRUE(isHandleDummy(*record("HDC__", {field("unused", INT())})->body));
    EXPECT_FALSE(isHandleDummy(*RECT()->body));
    const std::set<std::string> taken = {"FOO", "tagBAR"};
    EXPECT_EQ(documentedTypeName("tagRASCONN", taken), "RASCONN");
    EXPECT_EQ(documentedTypeName("TRUSTEE_", taken), "TRUSTEE");
    EXPECT_EQ(documentedTypeName("FOO_", taken), "FOO_");  // FOO is another structure
    EXPECT_EQ(documentedTypeName("tagged", taken), "tagged");
}

TEST(ExtraRecords, ExportsOfBothTargetsAreUnited) {
    const Exports e = mergeExports(
        {{"64",
          {{"GetWindowLongPtrA", "user32.dll", true}, {"NetShareEnum", "netapi32.dll", true}}},
         {"32",
          {{"GetWindowLongA", "user32.dll", true},
           {"NetShareEnum", "srvcli.dll", true},
           {"InterlockedIncrement", "kernel32.dll", false}}}});
    EXPECT_EQ(e.index.at("GetWindowLongA"), std::vector<std::string>{"user32.dll"});
    // The first target's DLLs: the other adds names, not DLLs.
    EXPECT_EQ(e.index.at("NetShareEnum"), std::vector<std::string>{"netapi32.dll"});
    EXPECT_FALSE(e.index.count("InterlockedIncrement"));
    EXPECT_EQ(e.details.anyKind.at("InterlockedIncrement"),
              std::vector<std::string>{"kernel32.dll"});
}

TEST(ParamNames, UnnamedParametersGetUniqueHungarianNames) {
    auto ofn = record("OPENFILENAME", {field("lStructSize", DWORD())});
    TypeNames names;
    names.add("OPENFILENAME", "OPENFILENAME");
    const Function f = withParameterNames(declaration("F", BOOL(),
                                                      {{"", pointer(ofn)},
                                                       {"", HWND()},
                                                       {"", DWORD()},
                                                       {"dwValue", DWORD()},
                                                       {"", DWORD()},
                                                       {"", LPCSTR()},
                                                       {"", LPSTR()},
                                                       {"", WNDPROC()},
                                                       {"", LPARAM()},
                                                       {"", pointer(DWORD())},
                                                       {"", LPVOID()},
                                                       {"", HANDLE()}}),
                                          names);
    std::vector<std::string> got;
    for (const auto& p : f.params) got.push_back(p.name);
    EXPECT_EQ(got, (std::vector<std::string>{"lpOPENFILENAME", "hWnd", "dwValue2", "dwValue",
                                             "dwValue3", "lpszString", "lpszBuffer", "lpfnWndproc",
                                             "lParam", "lpdwValue", "lpvData", "hObject"}));
}

}  // namespace
