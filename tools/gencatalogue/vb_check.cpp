#include "vb_check.h"
#include "text.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <vector>

namespace tolvane::gen {

namespace {

bool known(const std::string& type, const std::set<std::string>& types, VbDialect dialect) {
    return isVbBuiltinType(type, dialect) || types.count(type);
}

// Inserts a name case-insensitively, as VB compares names; false if present.
bool fresh(std::set<std::string>& seen, const std::string& name) {
    return seen.insert(lower(name)).second;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find("\r\n", at);
        if (end == std::string::npos) end = text.size();
        out.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return out;
}

}  // namespace

bool isVbBuiltinType(const std::string& type, VbDialect dialect) {
    static const std::set<std::string> kTypes = {"Long",     "Integer", "Byte", "Single", "Double",
                                                 "Currency", "String",  "Any",  "Boolean"};
    return kTypes.count(type) != 0 ||
           (dialect == VbDialect::Vba64 && (type == "LongPtr" || type == "LongLong"));
}

std::string checkVbDeclare(const std::string& declare, const std::string& exportName,
                           const std::set<std::string>& types, VbDialect dialect) {
    static const std::regex kShape(
        R"re(^Declare (PtrSafe )?(Function|Sub) ([A-Za-z][A-Za-z0-9_]*) Lib "([^"]+)"( Alias "([^"]+)")? \((.*)\)( As ([A-Za-z][A-Za-z0-9_]*))?$)re");
    static const std::regex kParam(
        R"(^(ByVal|ByRef) ([A-Za-z][A-Za-z0-9_]*) As ([A-Za-z][A-Za-z0-9_]*)$)");
    int depth = 0;
    for (char c : declare) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth < 0) return "unbalanced parentheses";
    }
    if (depth) return "unbalanced parentheses";
    std::smatch m;
    if (!std::regex_match(declare, m, kShape)) return "not a Declare statement";
    if (m[1].matched != (dialect == VbDialect::Vba64))
        return dialect == VbDialect::Vba64 ? "64-bit VBA needs PtrSafe"
                                           : "PtrSafe is 64-bit VBA only";
    if (m[5].matched != (exportName != m[3]))
        return "Alias must be present exactly when the export name differs";
    if (m[5].matched && m[6] != exportName)
        return "Alias names " + m[6].str() + " instead of " + exportName;
    const bool isFunction = m[2] == "Function";
    if (isFunction != m[8].matched)
        return isFunction ? "Function without a result type" : "Sub with a result type";
    if (isFunction && (!known(m[9], types, dialect) || m[9] == "Any"))
        return "unknown result type " + m[9].str();
    const std::string params = m[7];
    std::set<std::string> seen;
    size_t at = 0;
    while (!params.empty() && at <= params.size()) {
        size_t end = params.find(", ", at);
        if (end == std::string::npos) end = params.size();
        const std::string p = params.substr(at, end - at);
        std::smatch pm;
        if (!std::regex_match(p, pm, kParam)) return "malformed parameter: " + p;
        if (!known(pm[3], types, dialect)) return "unknown type " + pm[3].str();
        if (!fresh(seen, pm[2])) return "repeated parameter name " + pm[2].str();
        at = end + 2;
    }
    return {};
}

std::string checkVbType(const std::string& block, const std::set<std::string>& types,
                        VbDialect dialect) {
    static const std::regex kMember(
        R"(^    ([A-Za-z][A-Za-z0-9_]*)(\(0 To [0-9]+\))? As ([A-Za-z][A-Za-z0-9_]*)( \* [1-9][0-9]*)?(  ' .*)?$)");
    const std::vector<std::string> ls = lines(block);
    if (ls.size() < 3 || !ls.front().starts_with("Type ") || ls.back() != "End Type")
        return "not a Type block with members";
    std::set<std::string> seen;
    for (size_t i = 1; i + 1 < ls.size(); ++i) {
        std::smatch m;
        if (!std::regex_match(ls[i], m, kMember)) return "malformed member: " + ls[i];
        if (!known(m[3], types, dialect) || m[3] == "Any")
            return "unknown member type " + m[3].str();
        if (m[4].matched && m[3] != "String") return "fixed length on a non-String member";
        if (!fresh(seen, m[1])) return "repeated member name " + m[1].str();
    }
    return {};
}

std::string checkVbConst(const std::string& line, VbDialect dialect) {
    static const std::regex kVb6(
        R"re(^Const [A-Za-z][A-Za-z0-9_]*( = (-?[0-9]+|&H[0-9A-F]{1,8}&|"([ !#-~]|"")*")| As Double = -?[0-9]+  ' .+| As String = "-?[0-9]+"  ' .+)$)re");
    static const std::regex kVba64(
        R"re(^Const [A-Za-z][A-Za-z0-9_]* = (-?[0-9]+|&H[0-9A-F]{1,8}&|-?[0-9]+\^|&H[0-9A-F]{1,16}\^|"([ !#-~]|"")*")$)re");
    return std::regex_match(line, dialect == VbDialect::Vba64 ? kVba64 : kVb6)
               ? std::string()
               : "malformed Const: " + line;
}

namespace {

struct SampleState {
    std::map<std::string, std::string> vars;  // lower-case name -> type
    const std::set<std::string>& types;
    // The type of a variable, "Byte()" for an array; "name(0)" is the
    // array's first element.
    std::string typeOf(const std::string& name) const {
        if (name.ends_with("(0)")) {
            const std::string array = typeOf(name.substr(0, name.size() - 3));
            return array.ends_with("()") ? array.substr(0, array.size() - 2) : std::string();
        }
        auto it = vars.find(lower(name));
        return it == vars.end() ? std::string() : it->second;
    }
};

// One line of a sample other than the call; "" when sound.
std::string checkSampleLine(const std::string& line, SampleState& s, const std::string& result) {
    static const std::regex kDim(
        R"(^Dim ([A-Za-z][A-Za-z0-9_]*)(\(0 To [0-9]+\))? As ([A-Za-z][A-Za-z0-9_]*)$)");
    static const std::regex kBuffer(
        R"(^([A-Za-z][A-Za-z0-9_]*) = String\$\([1-9][0-9]*, vbNullChar\)$)");
    static const std::regex kCount(
        R"(^([A-Za-z][A-Za-z0-9_]*) = UBound\(([A-Za-z][A-Za-z0-9_]*)\) \+ 1$)");
    static const std::regex kOf(
        R"(^([A-Za-z][A-Za-z0-9_]*) = (StrPtr|Len)\(([A-Za-z][A-Za-z0-9_]*)\)$)");
    static const std::regex kSize(
        R"(^([A-Za-z][A-Za-z0-9_]*)\.([A-Za-z][A-Za-z0-9_]*) = Len\(([A-Za-z][A-Za-z0-9_]*)\)$)");
    static const std::regex kIf(
        R"re(^If ([A-Za-z][A-Za-z0-9_]*) (=|<>|<) (-?[0-9]+) Then Debug\.Print "[^"]*" & (Err\.LastDllError|[A-Za-z][A-Za-z0-9_]*)$)re");
    std::smatch m;
    if (std::regex_match(line, m, kDim)) {
        if (!known(m[3], s.types, VbDialect::Vb6) || m[3] == "Any")
            return "unknown type " + m[3].str();
        const std::string type = m[3].str() + (m[2].matched ? "()" : "");
        if (!s.vars.emplace(lower(m[1]), type).second) return "repeated variable " + m[1].str();
        return {};
    }
    if (std::regex_match(line, m, kCount)) {
        const std::string target = s.typeOf(m[1]);
        if (target != "Long" && target != "Integer") return "length in a non-integer: " + line;
        return s.typeOf(m[2]).ends_with("()")
                   ? ""
                   : "UBound of a variable that is not an array: " + line;
    }
    if (std::regex_match(line, m, kBuffer))
        return s.typeOf(m[1]) == "String" ? ""
                                          : "buffer in a variable that is not a String: " + line;
    if (std::regex_match(line, m, kOf)) {
        const std::string target = s.typeOf(m[1]);
        if (target != "Long" && target != "Integer")
            return "length or address in a non-integer: " + line;
        return s.typeOf(m[3]) == "String"
                   ? ""
                   : m[2].str() + " of a variable that is not a String: " + line;
    }
    if (std::regex_match(line, m, kSize)) {
        if (m[1] != m[3]) return "size of another variable: " + line;
        const std::string type = s.typeOf(m[1]);
        return !type.empty() && !isVbBuiltinType(type) ? "" : "size member of a non-Type: " + line;
    }
    if (std::regex_match(line, m, kIf)) {
        if (result.empty() || m[1] != result)
            return "If tests something other than the result: " + line;
        if (m[4] != "Err.LastDllError" && m[4] != result)
            return "If prints an unknown value: " + line;
        return {};
    }
    return "malformed line: " + line;
}

}  // namespace

std::string checkVbSample(const std::string& sample, const std::string& declare,
                          const std::set<std::string>& types) {
    static const std::regex kShape(
        R"re(^Declare (Function|Sub) ([A-Za-z][A-Za-z0-9_]*) Lib "[^"]+"(?: Alias "[^"]+")? \((.*)\)(?: As ([A-Za-z][A-Za-z0-9_]*))?$)re");
    static const std::regex kParam(
        R"(^(ByVal|ByRef) [A-Za-z][A-Za-z0-9_]* As ([A-Za-z][A-Za-z0-9_]*)$)");
    std::smatch d;
    if (!std::regex_match(declare, d, kShape)) return "not a Declare statement";
    const std::string name = d[2], resultType = d[4];
    std::vector<std::pair<bool, std::string>> params;  // ByRef, type
    for (const std::string& p : lines(std::regex_replace(d[3].str(), std::regex(", "), "\r\n"))) {
        std::smatch pm;
        if (p.empty()) continue;
        if (!std::regex_match(p, pm, kParam)) return "malformed parameter: " + p;
        params.emplace_back(pm[1] == "ByRef", pm[2]);
    }
    const std::regex call(d[1] == "Sub" ? "^" + name + "(?: (.*))?$"
                                        : R"(^([A-Za-z][A-Za-z0-9_]*) = )" + name + R"(\((.*)\)$)");
    SampleState state{{}, types};
    std::string result;
    int calls = 0;
    for (const std::string& line : lines(sample)) {
        if (line.starts_with("'")) continue;
        std::smatch m;
        if (!std::regex_match(line, m, call)) {
            if (std::string problem = checkSampleLine(line, state, result); !problem.empty())
                return problem;
            continue;
        }
        if (++calls > 1) return "more than one call";
        const bool isSub = d[1] == "Sub";
        if (!isSub) {
            result = m[1];
            if (state.typeOf(result) != resultType)
                return "result variable not of type " + resultType;
        }
        std::vector<std::string> args;
        const std::string list = isSub ? m[1].str() : m[2].str();
        for (const std::string& a : lines(std::regex_replace(list, std::regex(", "), "\r\n")))
            if (!a.empty()) args.push_back(a);
        if (args.size() != params.size())
            return "call with " + std::to_string(args.size()) + " arguments";
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string type = state.typeOf(args[i]);
            if (type.empty()) return "argument not a declared variable: " + args[i];
            if (type.ends_with("()")) return "a whole array as argument: " + args[i];
            if (params[i].first && params[i].second != "Any" && type != params[i].second)
                return "ByRef argument " + args[i] + " is not " + params[i].second;
        }
    }
    return calls == 1 ? std::string() : "no call of " + name;
}

}  // namespace tolvane::gen
