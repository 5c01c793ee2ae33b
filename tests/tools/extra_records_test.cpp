// Records beyond the headers' own: hand-made placements, the union of both
// targets' exports. psapi's classic names and the documented Type names are
// proved by lookup_names_test.cpp on the generated catalogue, what is left
// out by generated_catalogue_test.cpp.
#include <gtest/gtest.h>

#include "catalogue.h"
#include "export_index.h"
#include "extra_records.h"
#include "facts.h"
#include "tools/c_types_for_tests.h"

namespace {

using namespace tolvane::test::c;
using namespace tolvane::gen;

// golden.txt's CopyMemory and GetWindowLongPtr show the exports the
// placed records' Declares name.
TEST(ExtraRecords, HandMadeRecordsArePlacedAndChecked) {
    Function f =
        declaration("CopyMemory", voidType(), {{"Destination", LPVOID()}, {"Source", LPVOID()}});
    placeHandRecord(f,
                    annotationFields("header=minwinbase.h dll=kernel32.dll export=RtlMoveMemory"));
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
    EXPECT_THROW(checkPlacement(ptr, exports),
                 std::runtime_error);  // GetWindowLongPtrA itself is not
    // An export the import libraries do not list is taken from the record.
    Function inc = declaration("InterlockedIncrement", LONG(), {{"lpAddend", pointer(LONG())}});
    placeHandRecord(inc, annotationFields("dll=kernel32.dll only=32"));
    EXPECT_NO_THROW(checkPlacement(inc, exports));
    EXPECT_EQ(placementNote(inc, nullptr, "kernel32.dll"),
              "只有 32 位的 kernel32.dll 导出此函数。");
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

}  // namespace
