#include "dll_choice.h"

#include "vocabulary_data.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <tuple>

namespace tolvane::gen {

bool isRuntimeDll(const std::string& dll) {
    return dll.starts_with("msvcr") || dll.starts_with("msvcp") || dll.starts_with("ucrtbase") ||
           dll.starts_with("vcruntime") || dll == "crtdll.dll" ||
           dll.starts_with("api-ms-win-crt-");
}

bool isExcludedDll(const std::string& dll) {
    return isRuntimeDll(dll) || dll.starts_with("libwinpthread") || dll.ends_with(".sys") ||
           dll.ends_with(".exe");
}

bool isApiSet(const std::string& dll) {
    return dll.starts_with("api-ms-") || dll.starts_with("ext-ms-");
}

std::string libsclass(const std::string& dll) {
    if (dll == "kernel32.dll" || dll == "user32.dll" || dll == "gdi32.dll")
        return dll.substr(0, dll.size() - 4);
    return dll;
}

// The catalogue's DLL list names files by their catalogue spelling, which
// leaves ".dll" off kernel32, user32 and gdi32; its first entry stands for
// all DLLs.
int listedPosition(const std::string& dll) {
    const auto& listed = vocabulary_data::kDlls;
    for (std::size_t position = 1; position < std::size(listed); ++position) {
        const std::string_view entry = listed[position];
        const bool extension = entry.find('.') != std::string_view::npos;
        if (extension ? dll == entry : dll == std::string(entry) + ".dll")
            return static_cast<int>(position);
    }
    return 0;
}

std::string chooseDll(const std::vector<std::string>& exporters,
                      const std::map<std::string, int>& headerCounts,
                      const std::map<std::string, int>& sizes) {
    auto countIn = [](const std::map<std::string, int>& m, const std::string& d) {
        auto it = m.find(d);
        return it == m.end() ? 0 : it->second;
    };
    // Real DLLs first, API sets only when nothing else is left.
    auto usable = [](const std::vector<std::string>& dlls) {
        std::vector<std::string> real, sets;
        for (const std::string& d : dlls) {
            if (isExcludedDll(d)) continue;
            (isApiSet(d) ? sets : real).push_back(d);
        }
        return real.empty() ? sets : real;
    };
    if (std::any_of(exporters.begin(), exporters.end(), isRuntimeDll)) return {};
    const std::vector<std::string> pool = usable(exporters);
    if (pool.empty()) return {};

    std::vector<std::string> headerDlls;
    for (const auto& [d, n] : headerCounts) headerDlls.push_back(d);
    const std::vector<std::string> homes = usable(headerDlls);
    if (!homes.empty()) {
        const std::string home =
            *std::min_element(homes.begin(), homes.end(), [&](auto& a, auto& b) {
                return std::make_tuple(-countIn(headerCounts, a), countIn(sizes, a), a) <
                       std::make_tuple(-countIn(headerCounts, b), countIn(sizes, b), b);
            });
        if (std::find(pool.begin(), pool.end(), home) != pool.end()) return home;
    }
    auto key = [&](const std::string& d) {
        const int listed = listedPosition(d);
        return std::make_tuple(listed ? listed : 1000, -countIn(headerCounts, d), countIn(sizes, d),
                               d);
    };
    return *std::min_element(
        pool.begin(), pool.end(),
        [&](const std::string& a, const std::string& b) { return key(a) < key(b); });
}

}  // namespace tolvane::gen
