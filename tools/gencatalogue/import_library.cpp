#include "import_library.h"
#include "text.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <map>

namespace tolvane::gen {

namespace {

uint16_t u16(std::string_view d, size_t at) {
    if (at + 2 > d.size()) return 0;
    return static_cast<uint16_t>(static_cast<unsigned char>(d[at]) |
                                 static_cast<unsigned char>(d[at + 1]) << 8);
}

uint32_t u32(std::string_view d, size_t at) {
    return static_cast<uint32_t>(u16(d, at)) | static_cast<uint32_t>(u16(d, at + 2)) << 16;
}

std::string cString(std::string_view d, size_t at) {
    if (at >= d.size()) return {};
    const size_t end = d.find('\0', at);
    return std::string(d.substr(at, end == std::string_view::npos ? d.size() - at : end - at));
}

// What one COFF member of a dlltool library contributes.
struct Piece {
    std::string exportName;  // from the hint/name entry
    bool code = false;       // defines a jump thunk
    std::string headKey;     // the _head_<key> it imports through
    std::string tailKey;     // the <key>_iname it defines
    std::string dllName;     // the DLL name the tail holds
};

Piece readCoff(std::string_view d) {
    Piece p;
    const uint16_t sections = u16(d, 2);
    const uint32_t symbolTable = u32(d, 8);
    const uint32_t symbols = u32(d, 12);
    const size_t sectionTable = 20 + u16(d, 16);
    std::vector<std::string> sectionNames;
    for (uint16_t i = 0; i < sections; ++i) {
        const size_t h = sectionTable + 40 * size_t(i);
        if (h + 40 > d.size()) return {};
        std::string name(d.substr(h, 8));
        name = name.substr(0, name.find('\0'));
        sectionNames.push_back(name);
        const uint32_t size = u32(d, h + 16);
        const uint32_t data = u32(d, h + 20);
        if (size == 0 || size_t(data) + size > d.size()) continue;
        std::string_view bytes = d.substr(data, size);
        if (name == ".idata$6" && size > 2) p.exportName = cString(bytes, 2);
        if (name == ".idata$7") {
            std::string s = cString(bytes, 0);
            if (s.find('.') != std::string::npos) p.dllName = lower(s);
        }
    }
    const size_t strings = symbolTable + 18 * size_t(symbols);
    for (uint32_t i = 0; i < symbols; ++i) {
        const size_t s = symbolTable + 18 * size_t(i);
        if (s + 18 > d.size()) break;
        std::string name;
        if (u32(d, s) == 0)
            name = cString(d, strings + u32(d, s + 4));
        else
            name = cString(d.substr(s, 8), 0).substr(0, 8);
        const int16_t section = static_cast<int16_t>(u16(d, s + 12));
        const uint8_t storage = static_cast<uint8_t>(d[s + 16]);
        i += static_cast<uint8_t>(d[s + 17]);  // skip auxiliary records
        if (storage != 2) continue;            // external symbols only
        // 32-bit objects prefix every C symbol with one more underscore.
        if (section == 0 && name.find_first_not_of('_') != std::string::npos &&
            name.substr(name.find_first_not_of('_')).starts_with("head_"))
            p.headKey = name.substr(name.find_first_not_of('_') + 5);
        if (section > 0 && name.ends_with("_iname")) {
            std::string key = name.substr(0, name.size() - 6);
            key.erase(0, key.find_first_not_of('_'));
            p.tailKey = key;
        }
        if (section > 0 && size_t(section) <= sectionNames.size() &&
            sectionNames[section - 1] == ".text" && !name.starts_with("__imp_"))
            p.code = true;
    }
    return p;
}

// A short import record: signatures 0 and 0xFFFF, then the header fields,
// the symbol name and the DLL name.
bool readShortImport(std::string_view d, std::vector<Export>& out) {
    if (d.size() < 20 || u16(d, 0) != 0 || u16(d, 2) != 0xFFFF) return false;
    const uint16_t type = u16(d, 18);
    const int importType = type & 3;
    const int nameType = (type >> 2) & 7;
    std::string symbol = cString(d, 20);
    std::string dll = cString(d, 20 + symbol.size() + 1);
    if (nameType == 0 || symbol.empty() || dll.empty()) return true;  // by ordinal
    if (nameType >= 2) symbol.erase(0, symbol.find_first_not_of("_?@"));
    if (nameType == 3) symbol = symbol.substr(0, symbol.find('@'));
    out.push_back({symbol, lower(dll), importType == 0});
    return true;
}

}  // namespace

std::vector<Export> readImportLibrary(std::string_view a) {
    std::vector<Export> out;
    if (!a.starts_with("!<arch>\n")) return out;
    std::vector<Piece> pieces;
    std::map<std::string, std::string> tails;
    size_t at = 8;
    while (at + 60 <= a.size()) {
        std::string_view header = a.substr(at, 60);
        const std::string name(header.substr(0, 16));
        const long size = std::strtol(std::string(header.substr(48, 10)).c_str(), nullptr, 10);
        at += 60;
        if (size < 0 || at + size_t(size) > a.size()) break;
        std::string_view member = a.substr(at, size);
        at += size + (size & 1);
        if (name.starts_with("/ ") || name.starts_with("// ") || name.starts_with("/SYM"))
            continue;  // symbol index and long-name table
        if (readShortImport(member, out)) continue;
        if (member.size() < 20) continue;
        Piece p = readCoff(member);
        if (!p.tailKey.empty() && !p.dllName.empty()) tails[p.tailKey] = p.dllName;
        if (!p.exportName.empty() && !p.headKey.empty()) pieces.push_back(std::move(p));
    }
    for (const Piece& p : pieces) {
        auto dll = tails.find(p.headKey);
        if (dll != tails.end()) out.push_back({p.exportName, dll->second, p.code});
    }
    return out;
}

}  // namespace tolvane::gen
