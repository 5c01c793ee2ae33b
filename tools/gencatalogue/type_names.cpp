#include "type_names.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "c_types.h"
#include "fact_table.h"
#include "text.h"

namespace tolvane::gen {

std::string TypeNames::of(const CType& t, Half unfit) const {
    if (!isNamedRecord(t)) return {};
    auto it = names_.find(t.record);
    return it == names_.end() || (unfit != Half::None && it->second.half == unfit)
               ? std::string()
               : it->second.name;
}

std::string TypeNames::vb(const CType& t) const {
    const std::string name = of(t, Half::Unicode);
    return name.empty() ? name : vbTypeName(name);
}

namespace {

// The reserved words of a language (data/reserved_words.tsv), "vb" in lower case.
const std::set<std::string>& reservedWords(const std::string& language) {
    static const std::map<std::string, std::set<std::string>> words = [] {
        std::map<std::string, std::set<std::string>> out;
        for (const FactRow& row : readFacts("reserved_words.tsv", 2, 2))
            out[row[0]].insert(row[0] == "vb" ? lower(row[1]) : row[1]);
        return out;
    }();
    static const std::set<std::string> none;
    auto it = words.find(language);
    return it == words.end() ? none : it->second;
}

bool isVbKeyword(const std::string& name) { return reservedWords("vb").count(lower(name)) != 0; }

bool isCsKeyword(const std::string& name) { return reservedWords("cs").count(name) != 0; }

}  // namespace

std::string vbIdentifier(const std::string& name, int position) {
    std::string s = name;
    s.erase(0, s.find_first_not_of('_'));
    if (s.empty()) return "p" + std::to_string(position);
    if (std::isdigit(static_cast<unsigned char>(s[0]))) s.insert(0, "n");
    if (isVbKeyword(s)) s += '_';
    return s;
}

std::string csIdentifier(const std::string& name, int position) {
    if (name.empty()) return "p" + std::to_string(position);
    return isCsKeyword(name) ? "@" + name : name;
}

namespace {

// Lower-case name -> the name as the catalogue spells it.
std::map<std::string, std::string>& reservedFunctions() {
    static std::map<std::string, std::string> names;
    return names;
}
std::map<std::string, std::string>& reservedTypes() {
    static std::map<std::string, std::string> names;
    return names;
}

// The reserved name `vb` would clash with (the same spelling is the record
// itself), "" when none.
std::string clash(const std::map<std::string, std::string>& reserved, const std::string& vb) {
    auto it = reserved.find(lower(vb));
    return it == reserved.end() || it->second == vb ? std::string() : it->second;
}

}  // namespace

void reserveVbNames(const std::set<std::string>& functions, const std::set<std::string>& types) {
    reservedFunctions().clear();
    reservedTypes().clear();
    for (const std::string& f : functions) reservedFunctions().emplace(lower(f), f);
    for (const std::string& t : types) reservedTypes().emplace(lower(t), t);
}

std::string vbClashOf(const std::string& name, bool isType) {
    const std::string vb = vbIdentifier(name, 0);
    if (std::string f = clash(reservedFunctions(), vb); !f.empty()) return f;
    if (isType) return {};
    auto it = reservedTypes().find(lower(vb));
    return it == reservedTypes().end() ? std::string() : it->second;
}

std::string vbTypeName(const std::string& name) {
    const std::string vb = vbIdentifier(name, 0);
    return vbClashOf(name, true).empty() ? vb : vb + "_";
}

std::string vbConstName(const std::string& name) {
    const std::string vb = vbIdentifier(name, 0);
    return vbClashOf(name, false).empty() ? vb : vb + "_";
}

}  // namespace tolvane::gen
