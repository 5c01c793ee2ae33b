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

struct DllRule {
    std::string dll;  // lower-case file name; ending in "*", a prefix
    bool win9x;       // Windows 95/98/Me have it (shipped or as a redistributable)
    int ntSince;      // first Windows NT level that has it
};

// The reviewed table (data/dlls.tsv), by file name.
const std::vector<DllRule>& dllRules();
// The rule for a DLL ("kernel32.dll" or the catalogue spelling "kernel32"),
// nullptr when the table has none: then only the headers decide.
const DllRule* dllRule(const std::string& dll);

// The lowest level at which the headers declare `name` or its twin `other`
// (kNewestLevel when only the catalogue's own parse has it).
int headerLevel(const Availability& a, const std::string& name, const std::string& other = {});

// The win95 and winnt columns and the minimum version of a function of
// `dll` ("" for types and constants).
struct Support {
    bool win95 = false;
    bool winnt = false;
    int minimum = kNewestLevel;
};
Support supportOf(const Availability& a, const std::string& dll, const std::string& name,
                  const std::string& other = {});

}  // namespace tolvane::gen
