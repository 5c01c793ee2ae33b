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
    const std::vector<std::string> ls = splitLines(block);
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

std::string checkVbEnum(const std::string& block, VbDialect dialect) {
    static const std::regex kHead("^Enum [A-Za-z][A-Za-z0-9_]*$");
    std::vector<std::string> lines = splitLines(block);
    const bool isEnum = !lines.empty() && lines.front().starts_with("Enum ");
    if (isEnum &&
        (!std::regex_match(lines.front(), kHead) || lines.size() < 3 || lines.back() != "End Enum"))
        return "malformed Enum: " + block;
    std::set<std::string> names;
    for (size_t i = isEnum ? 1 : 0; i < lines.size() - (isEnum ? 1 : 0); ++i) {
        const std::string& line = lines[i];
        if (isEnum && !line.starts_with("    ")) return "malformed Enum member: " + line;
        const std::string statement = isEnum ? "Const " + line.substr(4) : line;
        if (std::string problem = checkVbConst(statement, dialect); !problem.empty())
            return problem;
        if (isEnum && statement.find(" As ") != std::string::npos)
            return "an Enum member that is no Long: " + line;
        if (!names.insert(lower(statement.substr(6, statement.find(' ', 6) - 6))).second)
            return "a member named twice: " + line;
    }
    return {};
}

}  // namespace tolvane::gen
