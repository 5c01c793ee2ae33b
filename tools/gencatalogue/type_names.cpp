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
    return name.empty() ? name : vbIdentifier(name, 0);
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

}  // namespace tolvane::gen
