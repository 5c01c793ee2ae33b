#include "error_report.h"

#include <algorithm>
#include <map>

#include "fact_table.h"

namespace tolvane::gen {

namespace {

Failure failureNamed(const FactRow& row, const std::string& word) {
    if (word == "0") return Failure::Zero;
    if (word == "-1") return Failure::AllOnes;
    if (word == "negative") return Failure::Negative;
    if (word == "nonzero") return Failure::NonZero;
    badFact(row, "unknown failing value " + word);
}

// Families that return a Win32 error code in a plain LONG or DWORD.
struct CodeFamily {
    std::string dll, prefix, result;
};

struct ErrorCodes {
    std::vector<std::pair<std::string, Failure>> types;
    std::vector<CodeFamily> families;
};

const ErrorCodes& errorCodes() {
    static const ErrorCodes codes = [] {
        ErrorCodes c;
        for (const FactRow& row : readFacts("error_codes.tsv", 3, 4)) {
            if (row[0] == "type")
                c.types.emplace_back(row[1], failureNamed(row, row[2]));
            else if (row[0] == "family" && row.fields.size() == 4)
                c.families.push_back({row[1], row[2], row[3]});
            else
                badFact(row, "expected type or family");
        }
        return c;
    }();
    return codes;
}

}  // namespace

const std::vector<LastErrorEntry>& lastErrorTable() {
    static const std::vector<LastErrorEntry> table = [] {
        std::vector<LastErrorEntry> t;
        for (const FactRow& row : readFacts("last_error.tsv", 2, 2))
            t.push_back({row[0], failureNamed(row, row[1])});
        return t;
    }();
    return table;
}

ErrorRule errorRuleOf(const std::string& name, const std::string& dll, const Function& f) {
    static const std::map<std::string, Failure> kByName = [] {
        std::map<std::string, Failure> m;
        for (const LastErrorEntry& e : lastErrorTable()) m.emplace(e.name, e.failure);
        return m;
    }();
    if (auto it = kByName.find(name); it != kByName.end())
        return {ErrorReport::LastError, it->second, {}};
    // psapi.dll's classic names are kernel32's K32 functions under their old
    // name, and report errors the same way.
    if (auto it = kByName.find("K32" + name); dll == "psapi.dll" && it != kByName.end())
        return {ErrorReport::LastError, it->second, {}};
    const CType& result = *f.result;
    for (const auto& [type, failure] : errorCodes().types)
        if (result.hasName(type)) return {ErrorReport::ReturnedCode, failure, type};
    for (const CodeFamily& family : errorCodes().families)
        if (dll == family.dll && name.starts_with(family.prefix) && result.hasName(family.result) &&
            result.kind == Kind::Integer)
            return {ErrorReport::ReturnedCode, Failure::NonZero, family.result};
    return {};
}

}  // namespace tolvane::gen
