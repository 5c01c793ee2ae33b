#include "export_index.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tolvane::gen {

Exports mergeExports(const std::vector<LibraryExports>& libraries) {
    // name -> target -> DLLs, code exports and all exports apart.
    using ByTarget = std::map<std::string, std::map<std::string, std::set<std::string>>>;
    ByTarget code, anyKind;
    std::vector<std::string> order;  // targets in the order first given
    Exports out;
    for (const LibraryExports& lib : libraries) {
        if (std::find(order.begin(), order.end(), lib.target) == order.end())
            order.push_back(lib.target);
        for (const Export& e : lib.exports) {
            anyKind[e.name][lib.target].insert(e.dll);
            if (!e.code) continue;
            code[e.name][lib.target].insert(e.dll);
            out.perDll[e.dll].insert(e.name);
        }
    }
    // The DLLs of the first target that exports the name: the others' add
    // names, not DLLs (the 32-bit netapi32 library also names wkscli.dll and
    // srvcli.dll, which netapi32 forwards to).
    auto first = [&](const std::map<std::string, std::set<std::string>>& targets) {
        for (const std::string& t : order)
            if (auto it = targets.find(t); it != targets.end())
                return std::vector<std::string>(it->second.begin(), it->second.end());
        return std::vector<std::string>();
    };
    for (const auto& [name, targets] : code) out.index[name] = first(targets);
    for (const auto& [name, targets] : anyKind) out.details.anyKind[name] = first(targets);
    return out;
}

Exports readExports(const std::vector<LibraryFolder>& folders) {
    namespace fs = std::filesystem;
    std::vector<LibraryExports> libraries;
    for (const LibraryFolder& folder : folders) {
        std::vector<fs::path> libs;
        for (const auto& e : fs::directory_iterator(folder.path))
            if (e.path().extension() == ".a" && e.path().filename().string().starts_with("lib"))
                libs.push_back(e.path());
        std::sort(libs.begin(), libs.end());
        for (const fs::path& lib : libs) {
            std::ifstream in(lib, std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            libraries.push_back({folder.target, readImportLibrary(bytes.str())});
        }
    }
    return mergeExports(libraries);
}

}  // namespace tolvane::gen
