#include "declared_layouts.h"

#include <algorithm>
#include <regex>
#include <sstream>
#include <vector>

#include "layout_rules.h"

namespace tolvane::test {

namespace {

// The lines of a text ending in CR LF or, for the nested structs read out
// of one, in LF alone.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        out.push_back(l);
    }
    return out;
}

struct Value {
    long long size = 0;
    int align = 1;
    bool ok = true;
};

}  // namespace

long long vbValueSize(const std::string& type, gen::VbDialect dialect) {
    static const std::map<std::string, long long> kSizes = {
        {"Byte", 1},   {"Integer", 2}, {"Boolean", 2}, {"Long", 4},
        {"Single", 4}, {"Double", 8},  {"Currency", 8}};
    const bool vba64 = dialect == gen::VbDialect::Vba64;
    if (type == "String") return vba64 ? 8 : 4;
    if (type == "LongPtr" || type == "LongLong") return vba64 ? 8 : 0;
    auto it = kSizes.find(type);
    return it == kSizes.end() ? 0 : it->second;
}

const DeclaredLayout& VbLayouts::of(const std::string& type) {
    if (auto it = done_.find(type); it != done_.end()) return it->second;
    DeclaredLayout& out = done_[type];
    static const std::regex kMember(
        R"(^    ([A-Za-z0-9_]+)(\(0 To ([0-9]+)\))? As ([A-Za-z0-9_]+)( \* ([0-9]+))?(  '.*)?$)");
    const int maxAlign = gen::vbMaxAlign(dialect_);
    auto text = texts_.find(type);
    if (text == texts_.end()) {
        out.problem = "no Type " + type;
        return out;
    }
    std::vector<gen::Slot> slots;
    std::vector<std::string> names;
    for (const std::string& l : lines(text->second)) {
        std::smatch m;
        if (l.starts_with("Type ") || l == "End Type") continue;
        if (!std::regex_match(l, m, kMember)) {
            out.problem = "unreadable member " + l;
            return out;
        }
        Value v;
        if (m[5].matched) {
            v = {std::stoll(m[6]), 1};
        } else if (const long long s = vbValueSize(m[4], dialect_); s > 0) {
            v = {s, static_cast<int>(std::min<long long>(s, maxAlign))};
        } else {
            const DeclaredLayout& nested = of(m[4]);
            if (!nested.problem.empty()) {
                out.problem = nested.problem;
                return out;
            }
            v = {nested.size, nested.align};
        }
        if (m[2].matched) v.size *= std::stoll(m[3]) + 1;
        slots.push_back({v.size, v.align});
        names.push_back(m[1]);
    }
    const gen::Placement p = gen::placeSequential(slots, maxAlign);
    for (size_t i = 0; i < names.size(); ++i) out.offsets[names[i]] = p.offsets[i];
    out.size = p.size;
    out.align = p.align;
    return out;
}

const DeclaredLayout& CsLayouts::of(const std::string& type) {
    if (auto it = done_.find(type); it != done_.end()) return it->second;
    DeclaredLayout& out = done_[type];
    auto text = texts_.find(type);
    if (text == texts_.end()) {
        out.problem = "no struct " + type;
        return out;
    }
    static const std::regex kLayout(
        R"(^\[StructLayout\(LayoutKind\.(Sequential|Explicit)(, Size = ([0-9]+))?(, CharSet = CharSet\.(\w+))?(, Pack = ([0-9]+))?\)\]$)");
    static const std::regex kField(
        R"(^    (\[FieldOffset\(([0-9]+)\)\] )?(\[MarshalAs\(UnmanagedType\.(\w+)(, SizeConst = ([0-9]+))?\)\] )?public (\w+)(\[\])? @?(\w+);$)");
    bool explicitLayout = false, wide = false;
    long long declaredSize = 0;
    int pack = gen::kMarshalDefaultPack;
    std::vector<gen::Slot> slots;
    std::vector<long long> fieldOffsets;
    std::vector<std::string> names;
    std::vector<const DeclaredLayout*> inner;  // by field: its nested type, if any
    // Nested types, one level in, are registered first as Outer.Name.
    std::vector<std::string> own;
    const std::vector<std::string> all = lines(text->second);
    for (size_t at = 0; at < all.size(); ++at) {
        if (!all[at].starts_with("    [StructLayout(")) {
            own.push_back(all[at]);
            continue;
        }
        std::string block;
        for (; at < all.size() && all[at] != "    }"; ++at) block += all[at].substr(4) + "\n";
        block += "}\n";
        const std::string name = block.substr(block.find("public struct ") + 14);
        texts_[type + "." + name.substr(0, name.find('\n'))] = block;
    }
    for (const std::string& l : own) {
        std::smatch m;
        if (l.starts_with("//") || l.starts_with("struct ") || l.starts_with("public struct ") ||
            l == "{" || l == "}")
            continue;
        if (std::regex_match(l, m, kLayout)) {
            explicitLayout = m[1] == "Explicit";
            if (m[2].matched) declaredSize = std::stoll(m[3]);
            wide = m[5] == "Unicode" || m[5] == "Auto";
            if (m[6].matched) pack = std::stoi(m[7]);
            continue;
        }
        if (!std::regex_match(l, m, kField)) {
            out.problem = "unreadable line " + l;
            return out;
        }
        const std::string t = m[7], marshal = m[4];
        const int charSize = wide ? 2 : 1;
        Value v;
        if (marshal == "ByValTStr") {
            v = {std::stoll(m[6]) * charSize, charSize};
        } else if (t == "byte" || t == "sbyte")
            v = {1, 1};
        else if (t == "short" || t == "ushort")
            v = {2, 2};
        else if (t == "char")
            v = {charSize, charSize};
        else if (t == "int" || t == "uint" || t == "float" || t == "bool")
            v = {4, 4};
        else if (t == "long" || t == "ulong" || t == "double")
            v = {8, 8};
        else if (t == "IntPtr" || t == "UIntPtr" || t == "string")
            v = {pointer_, pointer_};
        else if (t == "Guid")
            v = {16, 4};
        const DeclaredLayout* nestedType = nullptr;
        if (v.size == 0) {
            const bool own = texts_.count(type + "." + t) != 0;
            const DeclaredLayout& nested = of(own ? type + "." + t : t);
            if (!nested.problem.empty()) {
                out.problem = nested.problem;
                return out;
            }
            v = {nested.size, nested.align};
            if (own) nestedType = &nested;
        }
        if (marshal == "ByValArray") v.size *= std::stoll(m[6]);
        slots.push_back({v.size, v.align});
        fieldOffsets.push_back(m[1].matched ? std::stoll(m[2]) : 0);
        names.push_back(m[9]);
        inner.push_back(nestedType);
    }
    if (explicitLayout) {
        long long extent = 0;
        for (size_t i = 0; i < slots.size(); ++i) {
            extent = std::max(extent, fieldOffsets[i] + slots[i].size);
            out.align = std::max(out.align, std::min(slots[i].align, pack));
            out.offsets[names[i]] = fieldOffsets[i];
        }
        out.size = std::max(declaredSize, gen::roundUp(extent, out.align));
        return out;
    }
    const gen::Placement p = gen::placeSequential(slots, pack);
    for (size_t i = 0; i < names.size(); ++i) {
        out.offsets[names[i]] = p.offsets[i];
        // The members of a nested union count as the struct's own.
        if (inner[i])
            for (const auto& [name, offset] : inner[i]->offsets)
                out.offsets.emplace(name, p.offsets[i] + offset);
    }
    out.size = p.size;
    out.align = p.align;
    return out;
}

std::string compareLayouts(const DeclaredLayout& declared, const gen::CLayout& c, bool isUnion) {
    if (!declared.problem.empty()) return declared.problem;
    if (declared.size != c.size)
        return "size " + std::to_string(declared.size) + " instead of " + std::to_string(c.size);
    for (const gen::MemberAt& m : c.members) {
        auto it = declared.offsets.find(m.name);
        if (it == declared.offsets.end()) {
            // A union's other members are represented by the one declared.
            const bool represented =
                std::any_of(declared.offsets.begin(), declared.offsets.end(),
                            [&](const auto& d) { return d.second == m.offset; });
            if (m.size == 0 || isUnion || represented) continue;
            return "no member " + m.name;
        }
        if (it->second != m.offset)
            return m.name + " at " + std::to_string(it->second) + " instead of " +
                   std::to_string(m.offset);
    }
    return {};
}

}  // namespace tolvane::test
