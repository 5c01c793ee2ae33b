#include "availability.h"

#include <algorithm>

#include "fact_table.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

constexpr int kNt4 = 0x0400, kWin2000 = 0x0500, kXp = 0x0501, kVista = 0x0600, kWin7 = 0x0601,
              kWin8 = 0x0602, kWin81 = 0x0603, kWin10 = 0x0A00;

// "4.0", "XP", "8.1" ... as written in the data files.
int levelNamed(const FactRow& row, const std::string& name) {
    static const std::pair<const char*, int> kNames[] = {
        {"4.0", kNt4}, {"2000", kWin2000}, {"XP", kXp},     {"2003", 0x0502}, {"Vista", kVista},
        {"7", kWin7},  {"8", kWin8},       {"8.1", kWin81}, {"10", kWin10}};
    for (const auto& [n, level] : kNames)
        if (name == n) return level;
    badFact(row, "unknown Windows version " + name);
}

}  // namespace

const std::vector<int>& parsedLevels() {
    static const std::vector<int> kLevels = {kNt4,   kWin2000, kXp,   0x0502,
                                             kVista, kWin7,    kWin8, kWin81};
    return kLevels;
}

std::string windowsName(int level) {
    switch (level) {
    case kNt4: return say(Phrase::Windows95OrNt4);
    case kWin2000: return "Windows 2000";
    case kXp: return "Windows XP";
    case 0x0502: return "Windows Server 2003";
    case kVista: return "Windows Vista";
    case kWin7: return "Windows 7";
    case kWin8: return "Windows 8";
    case kWin81: return "Windows 8.1";
    case kWin10: return "Windows 10";
    default: return {};
    }
}

const std::vector<DllRule>& dllRules() {
    static const std::vector<DllRule> table = [] {
        std::vector<DllRule> out;
        for (const FactRow& row : readFacts("dlls.tsv", 3, 3)) {
            if (row[1] != "yes" && row[1] != "no") badFact(row, "expected yes or no");
            out.push_back({row[0], row[1] == "yes", levelNamed(row, row[2])});
        }
        return out;
    }();
    return table;
}

const DllRule* dllRule(const std::string& dll) {
    const std::string file = dll.find('.') == std::string::npos ? dll + ".dll" : dll;
    for (const DllRule& r : dllRules())
        if (r.dll.ends_with('*') ? file.starts_with(r.dll.substr(0, r.dll.size() - 1))
                                 : file == r.dll)
            return &r;
    return nullptr;
}

int headerLevel(const Availability& a, const std::string& name, const std::string& other) {
    auto has = [&](const std::set<std::string>& names) {
        return names.count(name) || (!other.empty() && names.count(other));
    };
    int level = kNewestLevel;
    if (has(a.win95))
        level = kWin95Level;
    else if (has(a.winnt))
        level = kWinNtLevel;
    for (const auto& [l, names] : a.more)
        if (l < level && has(names)) level = l;
    return level;
}

Support supportOf(const Availability& a, const std::string& dll, const std::string& name,
                  const std::string& other) {
    auto has = [&](const std::set<std::string>& names) {
        return names.count(name) || (!other.empty() && names.count(other));
    };
    Support s{has(a.win95), has(a.winnt), headerLevel(a, name, other)};
    if (const DllRule* rule = dll.empty() ? nullptr : dllRule(dll)) {
        s.win95 = s.win95 && rule->win9x;
        s.winnt = s.winnt && rule->ntSince <= kWinNtLevel;
        s.minimum = std::max(s.minimum, rule->ntSince);
    }
    return s;
}

}  // namespace tolvane::gen
