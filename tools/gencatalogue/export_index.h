#pragma once
// The code exports of the import libraries of both targets: the 64-bit
// libraries lack functions that only 32-bit DLLs export (InterlockedIncrement
// is an intrinsic on x64), and the 32-bit ones lack the pointer-sized
// variants (GetWindowLongPtr) that only the 64-bit DLLs have.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue.h"
#include "import_library.h"

namespace tolvane::gen {

struct Exports {
    ExportIndex index;                                    // name -> DLLs, union of all targets
    std::map<std::string, std::set<std::string>> perDll;  // DLL -> export names
    ExportDetails details;
};

// The exports of one import library, read for a target ("64", "32").
struct LibraryExports {
    std::string target;
    std::vector<Export> exports;
};

// The union of the libraries' code exports, and of all their exports, each
// name with the DLLs of the first target (in the order given) that exports
// it.
Exports mergeExports(const std::vector<LibraryExports>& libraries);

// Every lib*.a of each folder, labelled with the folder's target.
struct LibraryFolder {
    std::string path, target;
};
Exports readExports(const std::vector<LibraryFolder>& folders);

}  // namespace tolvane::gen
