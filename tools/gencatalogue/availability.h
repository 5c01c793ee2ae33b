#pragma once
// Which Windows versions have a name: the headers' version guards (the
// headers parsed at several WINVER/_WIN32_WINNT levels) together with a
// reviewed table of DLLs that Windows 95/98/Me never had or that Windows NT
// gained late. A function of such a DLL is not available there whatever its
// header says.
#include <string>
#include <vector>

#include "catalogue.h"

namespace tolvane::gen {

// _WIN32_WINNT levels the headers are parsed at besides the catalogue's own
// (0x0A00), lowest first: 0x0400 (Windows 95 / NT 4.0) and 0x0501 (XP) give
// the win95 and winnt columns, all of them the minimum version.
const std::vector<int>& parsedLevels();
inline constexpr int kWin95Level = 0x0400, kWinNtLevel = 0x0501, kNewestLevel = 0x0A00;

// "Windows Vista" for 0x0600 and so on.
std::string windowsName(int level);

// A fact that may be unknown.
enum class Known { No, Yes, Unknown };

struct DllRule {
    std::string dll;         // lower-case file name; ending in "*", a prefix
    Known win9x;             // Windows 95/98/Me have it (shipped or as a redistributable)
    int ntSince;             // first Windows NT level that has it, 0 when unknown
    std::string only9x;      // a regex over the functions 95/98/Me have of it, "" for all
    std::string documented;  // the DLL programs import from instead, "" for itself
};

// The rule for a DLL ("kernel32.dll" or the catalogue spelling "kernel32"),
// nullptr when the table has none: then nothing is known of it.
const DllRule* dllRule(const std::string& dll);

// The DLL the documentation names for a function the import libraries place
// in `dll` (secur32.dll for the LSA logon functions sspicli.dll implements):
// by the function's fact in data/functions.tsv, else by its DLL's line.
std::string documentedDll(const std::string& function, const std::string& dll);

// The lowest level at which the headers declare `name` or its twin `other`
// (kNewestLevel when only the catalogue's own parse has it).
int headerLevel(const Availability& a, const std::string& name, const std::string& other = {});

// The win95 and winnt columns of a function and what its explain may claim:
// only what the headers' version guards and the reviewed tables establish.
struct Support {
    bool win95 = false;
    bool winnt = false;
    // The minimum Windows NT version known, kWin95Level when none above it
    // is known (nothing is claimed then).
    int minimum = kWin95Level;
    bool lacks9x = false;  // a reviewed fact: Windows 95/98/Me lack the function
};

// The function's names: the catalogue name (by which the facts know it),
// the export the headers declare and its Unicode twin; `unicodeOnly` when
// it takes text in Unicode only (of which 95/98/Me implement few).
struct FunctionNames {
    std::string catalogue, name, wide;
    bool unicodeOnly = false;
};
Support supportOf(const Availability& a, const std::string& dll, const FunctionNames& f);

}  // namespace tolvane::gen
