#include "availability.h"

#include <algorithm>

namespace tolvane::gen {

namespace {

constexpr int kNt4 = 0x0400, kWin2000 = 0x0500, kXp = 0x0501, kVista = 0x0600, kWin7 = 0x0601,
              kWin8 = 0x0602, kWin81 = 0x0603, kWin10 = 0x0A00;

// DLLs whose presence on Windows 95/98/Me or on the NT line differs from
// what the headers' guards say. DLLs not listed are left to the headers:
// the system DLLs of both lines (kernel32, user32, gdi32, advapi32, shell32,
// comctl32, comdlg32, ole32, winmm, ws2_32, wininet, ...).
const std::vector<DllRule> kRules = {
    // Windows NT only from its first versions
    {"ntdll.dll", false, kNt4},  // on 95/98/Me a stub without the native API
    {"psapi.dll", false, kNt4},
    {"userenv.dll", false, kNt4},
    {"pdh.dll", false, kNt4},
    {"loadperf.dll", false, kNt4},
    {"clusapi.dll", false, kNt4},
    {"mprapi.dll", false, kNt4},
    {"rtutils.dll", false, kNt4},
    {"spoolss.dll", false, kNt4},
    {"winsta.dll", false, kNt4},
    {"samlib.dll", false, kNt4},
    {"mgmtapi.dll", false, kNt4},
    {"dhcpsapi.dll", false, kNt4},
    // Windows 2000
    {"wtsapi32.dll", false, kWin2000},
    {"dnsapi.dll", false, kWin2000},
    {"winhttp.dll", false, kWin2000},
    {"aclui.dll", false, kWin2000},
    {"newdev.dll", false, kWin2000},
    {"ntdsapi.dll", false, kWin2000},
    {"sfc.dll", false, kWin2000},
    {"ntmsapi.dll", false, kWin2000},
    {"query.dll", false, kWin2000},
    // Windows XP
    {"uxtheme.dll", false, kXp},
    {"credui.dll", false, kXp},
    {"authz.dll", false, kXp},
    {"winusb.dll", false, kXp},
    {"faultrep.dll", false, kXp},
    {"wlanapi.dll", false, kXp},
    {"p2p.dll", false, kXp},
    {"p2pgraph.dll", false, kXp},
    {"dbgeng.dll", false, kXp},
    // Windows Vista
    {"bcrypt.dll", false, kVista},
    {"ncrypt.dll", false, kVista},
    {"dwmapi.dll", false, kVista},
    {"propsys.dll", false, kVista},
    {"wevtapi.dll", false, kVista},
    {"ktmw32.dll", false, kVista},
    {"tdh.dll", false, kVista},
    {"wer.dll", false, kVista},
    {"avrt.dll", false, kVista},
    {"rstrtmgr.dll", false, kVista},
    {"wecapi.dll", false, kVista},
    {"ndfapi.dll", false, kVista},
    {"fwpuclnt.dll", false, kVista},
    {"qwave.dll", false, kVista},
    {"wsdapi.dll", false, kVista},
    {"slc.dll", false, kVista},
    {"d3d10.dll", false, kVista},
    {"dxgi.dll", false, kVista},
    {"mfplat.dll", false, kVista},
    {"evr.dll", false, kVista},
    // Windows 7 and later
    {"kernelbase.dll", false, kWin7},
    {"virtdisk.dll", false, kWin7},
    {"winbio.dll", false, kWin7},
    {"xpsprint.dll", false, kWin7},
    {"d2d1.dll", false, kWin7},
    {"dwrite.dll", false, kWin7},
    {"d3d11.dll", false, kWin7},
    {"sspicli.dll", false, kWin7},
    {"websocket.dll", false, kWin8},
    {"shcore.dll", false, kWin81},
};

}  // namespace

const std::vector<int>& parsedLevels() {
    static const std::vector<int> kLevels = {kNt4,   kWin2000, kXp,   0x0502,
                                             kVista, kWin7,    kWin8, kWin81};
    return kLevels;
}

std::string windowsName(int level) {
    switch (level) {
    case kNt4: return "Windows 95 或 Windows NT 4.0";
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

const std::vector<DllRule>& dllRules() { return kRules; }

const DllRule* dllRule(const std::string& dll) {
    // API sets (api-ms-..., ext-ms-...) came with Windows 7.
    static const DllRule kApiSet = {"api-ms-*", false, kWin7};
    if (dll.starts_with("api-ms-") || dll.starts_with("ext-ms-")) return &kApiSet;
    const std::string file = dll.find('.') == std::string::npos ? dll + ".dll" : dll;
    auto it =
        std::find_if(kRules.begin(), kRules.end(), [&](const DllRule& r) { return file == r.dll; });
    return it == kRules.end() ? nullptr : &*it;
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
