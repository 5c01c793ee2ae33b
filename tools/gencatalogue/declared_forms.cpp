#include "declared_forms.h"

#include <algorithm>
#include <optional>
#include <regex>

namespace tolvane::gen {

namespace {

std::vector<std::string> splitParams(const std::string& list) {
    std::vector<std::string> out;
    if (list.empty()) return out;
    size_t at = 0;
    while (true) {
        const size_t end = list.find(", ", at);
        out.push_back(list.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) return out;
        at = end + 2;
    }
}

}  // namespace

std::optional<Declared> readVb(const std::string& declare) {
    static const std::regex kShape(
        R"re(^Declare (?:PtrSafe )?(Function|Sub) (\S+) Lib "[^"]+"(?: Alias "[^"]+")? \((.*)\)(?: As (\S+))?$)re");
    static const std::regex kParam(R"(^(ByVal|ByRef) (\S+) As (\S+)$)");
    std::smatch m;
    if (!std::regex_match(declare, m, kShape)) return std::nullopt;
    Declared d{m[2], m[4], {}};
    for (const std::string& p : splitParams(m[3])) {
        std::smatch pm;
        if (!std::regex_match(p, pm, kParam)) return std::nullopt;
        d.params.push_back({pm[2], pm[3], pm[1] == "ByRef"});
    }
    return d;
}

std::optional<Declared> readCs(const std::string& declare) {
    // The last "static" line is what a caller calls: the extern itself, or
    // the method that picks one of two externs by the process's pointer size.
    static const std::regex kShape(
        R"(^static (?:extern )?(\S+) ([A-Za-z_][A-Za-z0-9_]*)\((.*)\);?\r?$)");
    static const std::regex kParam(R"(^(?:\[\S*\] )?(ref )?(\S+) (\S+)$)");
    std::smatch m;
    std::optional<std::string> called;
    for (size_t at = 0; at <= declare.size();) {
        const size_t end = std::min(declare.find('\n', at), declare.size());
        const std::string line = declare.substr(at, end - at);
        if (std::regex_match(line, kShape)) called = line;
        at = end + 1;
    }
    if (!called || !std::regex_match(*called, m, kShape)) return std::nullopt;
    Declared d{m[2], m[1], {}};
    for (const std::string& p : splitParams(m[3])) {
        std::smatch pm;
        if (!std::regex_match(p, pm, kParam)) return std::nullopt;
        d.params.push_back({pm[3], pm[2], pm[1].matched});
    }
    return d;
}

}  // namespace tolvane::gen
