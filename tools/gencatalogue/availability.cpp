#include "availability.h"

#include <algorithm>
#include <map>
#include <regex>

#include "fact_table.h"
#include "facts.h"
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

namespace {

Known knownNamed(const FactRow& row, const std::string& word) {
    if (word == "yes") return Known::Yes;
    if (word == "no") return Known::No;
    if (word.empty()) return Known::Unknown;
    badFact(row, "expected yes, no or -");
}

// The reviewed exceptions of data/versions.tsv: 95/98/Me's answer and the
// first NT level (0 when the rules decide).
struct VersionFact {
    Known win9x;
    int nt;
};

const VersionFact* versionFact(const std::string& function) {
    static const std::map<std::string, VersionFact> facts = [] {
        std::map<std::string, VersionFact> out;
        for (const FactRow& row : readFacts("versions.tsv", 3, 3))
            out[row[0]] = {knownNamed(row, row[1]), row[2].empty() ? 0 : levelNamed(row, row[2])};
        return out;
    }();
    auto it = facts.find(function);
    return it == facts.end() ? nullptr : &it->second;
}

}  // namespace

namespace {

// The reviewed table (data/dlls.tsv), by file name.
const std::vector<DllRule>& dllRules() {
    static const std::vector<DllRule> table = [] {
        std::vector<DllRule> out;
        for (const FactRow& row : readFacts("dlls.tsv", 5, 5))
            out.push_back({row[0], knownNamed(row, row[1]),
                           row[2].empty() ? 0 : levelNamed(row, row[2]), row[3], row[4]});
        return out;
    }();
    return table;
}

}  // namespace

const DllRule* dllRule(const std::string& dll) {
    const std::string file = dll.find('.') == std::string::npos ? dll + ".dll" : dll;
    for (const DllRule& r : dllRules())
        if (r.dll.ends_with('*') ? file.starts_with(r.dll.substr(0, r.dll.size() - 1))
                                 : file == r.dll)
            return &r;
    return nullptr;
}

std::string documentedDll(const std::string& function, const std::string& dll) {
    if (std::string named = functionDetail(function, "documented-dll"); !named.empty())
        return named;
    const DllRule* rule = dllRule(dll);
    return rule && !rule->documented.empty() ? rule->documented : dll;
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

Support supportOf(const Availability& a, const std::string& dll, const FunctionNames& f) {
    const int header = headerLevel(a, f.name, f.wide);
    const DllRule* rule = dllRule(dll);
    Support s;
    // Windows 95/98/Me: the headers declare it for them, they have the DLL
    // and the function, and it is not Unicode only.
    bool family = true;
    if (rule && !rule->only9x.empty())
        family = std::regex_search(f.catalogue, std::regex(rule->only9x));
    s.win95 =
        header <= kWin95Level && rule && rule->win9x == Known::Yes && family && !f.unicodeOnly;
    s.lacks9x = rule && rule->win9x == Known::Yes && !family;
    // The NT line: the headers' guard is a lower bound, the DLL's first
    // version another; without a known DLL only the guard is claimed.
    int nt = header;
    bool known = rule && rule->ntSince;
    if (known) nt = std::max(nt, rule->ntSince);
    if (const VersionFact* fact = versionFact(f.catalogue)) {
        if (fact->win9x != Known::Unknown) {
            s.win95 = fact->win9x == Known::Yes;
            s.lacks9x = fact->win9x == Known::No && rule && rule->win9x == Known::Yes;
        }
        if (fact->nt) nt = fact->nt, known = true;
    }
    s.winnt = known && nt <= kWinNtLevel;
    s.minimum = known || header > kWin95Level ? nt : kWin95Level;
    return s;
}

}  // namespace tolvane::gen
