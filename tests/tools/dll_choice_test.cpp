// The DLL a function is listed under when several export it.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "dll_choice.h"

namespace {

TEST(DllChoice, PreferenceAmongExportingDlls) {
    using namespace tolvane::gen;
    const std::map<std::string, int> sizes = {{"kernel32.dll", 1600}, {"lz32.dll", 14},
                                              {"advapi32.dll", 860},  {"cryptsp.dll", 40},
                                              {"crypt32.dll", 300},   {"ntdll.dll", 2000}};
    // The C library stays out even when ntdll exports the name as well.
    EXPECT_EQ(chooseDll({"msvcrt.dll", "ntdll.dll"}, {}, sizes), "");
    // API sets only when no real DLL has the function.
    EXPECT_EQ(chooseDll({"api-ms-win-core-file-l1-1-0.dll", "kernel32.dll"}, {}, sizes),
              "kernel32.dll");
    EXPECT_EQ(chooseDll({"api-ms-win-core-file-l1-1-0.dll"}, {}, sizes),
              "api-ms-win-core-file-l1-1-0.dll");
    // Equal share of the header: the smaller library made for it.
    EXPECT_EQ(
        chooseDll({"kernel32.dll", "lz32.dll"}, {{"kernel32.dll", 12}, {"lz32.dll", 12}}, sizes),
        "lz32.dll");
    // Not exported by the header's home DLL: a listed DLL first.
    EXPECT_EQ(chooseDll({"cryptsp.dll", "advapi32.dll"},
                        {{"crypt32.dll", 200}, {"cryptsp.dll", 30}, {"advapi32.dll", 30}}, sizes),
              "advapi32.dll");
    EXPECT_EQ(chooseDll({"crypt32.dll", "advapi32.dll"},
                        {{"crypt32.dll", 200}, {"advapi32.dll", 30}}, sizes),
              "crypt32.dll");
}

}  // namespace
