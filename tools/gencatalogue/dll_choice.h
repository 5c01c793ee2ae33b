#pragma once
// Which DLL a function is catalogued under, and how the DLL is spelled.
//
// A name may be exported by several import libraries. A name that a C
// runtime DLL exports belongs to the C library, which the catalogue does not
// list, even when ntdll exports it too. Never chosen: mingw-w64's own runtime, and kernel-mode
// images (.sys, .exe) that no application imports from. An API set ("api-ms-...", "ext-ms-...") is
// chosen only when no real DLL exports the name.
//
// Each header has a home DLL: the one exporting the most of its functions,
// on a tie the one with fewer exports in all (the library made for the
// header: lz32.dll rather than kernel32 for lzexpand.h). A function goes to
// its header's home DLL when that exports it; otherwise to a DLL of the
// catalogue's DLL list (in list order), then to the DLL exporting more of the
// header, then to the smaller DLL, then to the alphabetically first.
#include <map>
#include <string>
#include <vector>

namespace tolvane::gen {

bool isRuntimeDll(const std::string& dll);
bool isExcludedDll(const std::string& dll);
bool isApiSet(const std::string& dll);

// The catalogue spelling: "kernel32", "user32" and "gdi32" without their
// extension, every other DLL by its lower-case file name.
std::string libsclass(const std::string& dll);

// Position in the catalogue's DLL list (1 for advapi32.dll ...), 0 if absent.
int listedPosition(const std::string& dll);

// exporters: the DLLs that export the function; headerCounts: for each DLL,
// how many functions of the function's header it exports; sizes: how many
// functions each DLL exports in all. Returns "" for a C library function and
// when only excluded DLLs export it.
std::string chooseDll(const std::vector<std::string>& exporters,
                      const std::map<std::string, int>& headerCounts,
                      const std::map<std::string, int>& sizes);

}  // namespace tolvane::gen
