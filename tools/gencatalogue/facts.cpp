#include "facts.h"

#include <set>
#include <tuple>

#include "fact_table.h"

namespace tolvane::gen {

namespace {

// The rows of a table as (subject, fact, detail) keys.
using Keys = std::set<std::tuple<std::string, std::string, std::string>>;

Keys keysOf(const std::string& file, size_t fields) {
    Keys keys;
    for (const FactRow& row : readFacts(file, fields - 1, fields))
        keys.emplace(row[0], row[1], row[2]);
    return keys;
}

}  // namespace

bool functionFact(const std::string& function, const std::string& fact) {
    static const Keys keys = keysOf("functions.tsv", 2);
    return keys.count({function, fact, ""}) != 0;
}

bool parameterFact(const std::string& function, const std::string& parameter,
                   const std::string& fact) {
    static const Keys keys = keysOf("parameters.tsv", 3);
    return keys.count({function, parameter, fact}) || keys.count({"*", parameter, fact});
}

bool structureFact(const std::string& structure, const std::string& fact) {
    static const Keys keys = keysOf("structures.tsv", 3);
    if (keys.count({structure, fact, ""})) return true;
    const bool half = structure.size() > 1 && (structure.back() == 'A' || structure.back() == 'W');
    return half && keys.count({structure.substr(0, structure.size() - 1), fact, ""});
}

std::vector<std::string> everyStructure(const std::string& fact) {
    static const Keys keys = keysOf("structures.tsv", 3);
    std::vector<std::string> out;
    for (const auto& [subject, f, detail] : keys)
        if (subject == "*" && f == fact) out.push_back(detail);
    return out;
}

std::string leftOutRule(const std::string& name) {
    static const std::vector<FactRow> rows = readFacts("left_out.tsv", 2, 2);
    for (const FactRow& row : rows) {
        const std::string& rule = row.fields[0];
        const std::string& text = row.fields[1];
        if (rule == "function" && name == text) return "function";
        if (rule == "helper-prefix" && name.starts_with(text)) return "helper";
        // Also the 64-bit variants (BSTR_UserMarshal64).
        if (rule == "helper-suffix" && name.size() > text.size() &&
            (name.ends_with(text) || name.ends_with(text + "64")))
            return "helper";
    }
    return {};
}

}  // namespace tolvane::gen
