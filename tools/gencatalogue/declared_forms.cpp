#include "declared_forms.h"

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
        R"re(^Declare (Function|Sub) (\S+) Lib "[^"]+"(?: Alias "[^"]+")? \((.*)\)(?: As (\S+))?$)re");
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
    static const std::regex kShape(R"(static extern (\S+) ([A-Za-z_][A-Za-z0-9_]*)\((.*)\);$)");
    static const std::regex kParam(R"(^(?:\[\S*\] )?(ref )?(\S+) (\S+)$)");
    std::smatch m;
    if (!std::regex_search(declare, m, kShape)) return std::nullopt;
    Declared d{m[2], m[1], {}};
    for (const std::string& p : splitParams(m[3])) {
        std::smatch pm;
        if (!std::regex_match(p, pm, kParam)) return std::nullopt;
        d.params.push_back({pm[3], pm[2], pm[1].matched});
    }
    return d;
}

}  // namespace tolvane::gen
