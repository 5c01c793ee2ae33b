#include "facts.h"

#include <map>
#include <regex>
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

// The rows of data/parameters.tsv by function ("*" for every function).
const std::multimap<std::string, FactRow>& parameterRows() {
    static const std::multimap<std::string, FactRow> rows = [] {
        std::multimap<std::string, FactRow> out;
        for (FactRow& row : readFacts("parameters.tsv", 3, 4)) out.emplace(row[0], std::move(row));
        return out;
    }();
    return rows;
}

// The row giving `fact` about the parameter, nullptr when there is none.
const FactRow* parameterRow(const std::string& function, const std::string& parameter,
                            const std::string& fact) {
    for (const std::string& key : {function, std::string("*")}) {
        auto [from, to] = parameterRows().equal_range(key);
        for (auto it = from; it != to; ++it)
            if (it->second[1] == parameter && it->second[2] == fact) return &it->second;
    }
    return nullptr;
}

}  // namespace

namespace {

const Keys& functionKeys() {
    static const Keys keys = keysOf("functions.tsv", 3);
    return keys;
}

}  // namespace

bool functionFact(const std::string& function, const std::string& fact) {
    return functionKeys().count({function, fact, ""}) != 0;
}

std::string functionDetail(const std::string& function, const std::string& fact) {
    auto it = functionKeys().lower_bound({function, fact, ""});
    return it != functionKeys().end() && std::get<0>(*it) == function && std::get<1>(*it) == fact
               ? std::get<2>(*it)
               : std::string();
}

bool parameterFact(const std::string& function, const std::string& parameter,
                   const std::string& fact) {
    return parameterRow(function, parameter, fact) != nullptr;
}

std::string parameterDetail(const std::string& function, const std::string& parameter,
                            const std::string& fact) {
    const FactRow* row = parameterRow(function, parameter, fact);
    return row ? (*row)[3] : std::string();
}

bool structureFact(const std::string& structure, const std::string& fact) {
    static const Keys keys = keysOf("structures.tsv", 3);
    // The name itself, a pair's generic name, and either without trailing "_".
    std::vector<std::string> names = {structure};
    if (structure.size() > 1 && (structure.back() == 'A' || structure.back() == 'W'))
        names.push_back(structure.substr(0, structure.size() - 1));
    for (size_t i = 0, n = names.size(); i < n; ++i) {
        std::string bare = names[i];
        while (bare.size() > 1 && bare.back() == '_') bare.pop_back();
        names.push_back(bare);
    }
    for (const std::string& name : names)
        if (keys.count({name, fact, ""})) return true;
    return false;
}

std::vector<std::string> everyStructure(const std::string& fact) {
    static const Keys keys = keysOf("structures.tsv", 3);
    std::vector<std::string> out;
    for (const auto& [subject, f, detail] : keys)
        if (subject == "*" && f == fact) out.push_back(detail);
    return out;
}

namespace {

struct Mingw {
    std::map<std::string, std::string> headers;
    std::vector<std::pair<std::regex, std::string>> spellings;
};

const Mingw& mingw() {
    static const Mingw m = [] {
        Mingw out;
        for (const FactRow& row : readFacts("mingw.tsv", 2, 3)) {
            if (row[0] == "header")
                out.headers[row[1]] = row[2];
            else if (row[0] == "spelling")
                out.spellings.emplace_back(std::regex(row[1]), row[2]);
            else
                badFact(row, "expected header or spelling");
        }
        return out;
    }();
    return m;
}

}  // namespace

std::string sdkHeader(const std::string& header) {
    auto it = mingw().headers.find(header);
    return it == mingw().headers.end() || it->second.empty() ? header : it->second;
}

bool mingwOwnHeader(const std::string& header) {
    auto it = mingw().headers.find(header);
    return it != mingw().headers.end() && it->second.empty();
}

std::string sdkSpelling(const std::string& text) {
    std::string out = text;
    for (const auto& [pattern, replacement] : mingw().spellings)
        out = std::regex_replace(out, pattern, replacement);
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

bool leftOutConstant(const std::string& name, const std::string& header) {
    static const std::vector<FactRow> rows = readFacts("left_out.tsv", 2, 2);
    for (const FactRow& row : rows)
        if ((row[0] == "constant-prefix" && name.starts_with(row[1])) ||
            (row[0] == "constant-header" && header == row[1]))
            return true;
    return false;
}

}  // namespace tolvane::gen
