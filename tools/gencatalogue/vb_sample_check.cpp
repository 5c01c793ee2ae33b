// The structural check of VB6 and 64-bit VBA usage samples (vb_check.h).
#include <map>
#include <regex>
#include <vector>

#include "text.h"
#include "vb_check.h"

namespace tolvane::gen {

namespace {

const std::string kName = "[A-Za-z][A-Za-z0-9_]*";

struct Variable {
    std::string type;  // "Long", "RECT", ...
    bool array = false;
    bool dynamic = false;  // Dim x() As Byte, sized by ReDim
};

class SampleCheck {
public:
    SampleCheck(const std::set<std::string>& types, VbDialect dialect)
        : types_(types), dialect_(dialect) {}

    const Variable* find(const std::string& name) const {
        auto it = vars_.find(lower(name));
        return it == vars_.end() ? nullptr : &it->second;
    }
    bool isInteger(const std::string& name) const {
        const Variable* v = find(name);
        return v && !v->array &&
               (v->type == "Long" || v->type == "Integer" ||
                (dialect_ == VbDialect::Vba64 && v->type == "LongPtr"));
    }
    bool isString(const std::string& name) const {
        const Variable* v = find(name);
        return v && !v->array && v->type == "String";
    }
    bool isStructure(const std::string& name) const {
        const Variable* v = find(name);
        return v && !v->array && !isVbBuiltinType(v->type, dialect_);
    }
    // "x" a String or a Type, or "x.m" a member of a Type.
    bool hasLength(const std::string& what) const {
        const size_t dot = what.find('.');
        if (dot != std::string::npos) return isStructure(what.substr(0, dot));
        return isString(what) || isStructure(what);
    }
    // The type of an argument: a variable, or "x(0)" the first element of an array.
    std::string argumentType(const std::string& argument) const {
        if (argument.ends_with("(0)")) {
            const Variable* v = find(argument.substr(0, argument.size() - 3));
            return v && v->array ? v->type : std::string();
        }
        const Variable* v = find(argument);
        return v && !v->array ? v->type : std::string();
    }

    // One line other than a call; "" when sound.
    std::string line(const std::string& text, const std::string& result) {
        static const std::regex kDim("^Dim (" + kName + ")(\\(0 To [0-9]+\\)|\\(\\))? As (" +
                                     kName + ")$");
        static const std::regex kAssign("^(" + kName + ")(\\." + kName + ")? = (.+)$");
        static const std::regex kReDim("^ReDim (" + kName + ")\\(0 To (" + kName + ")\\)$");
        static const std::regex kIf("^If (" + kName +
                                    R"re() (=|<>|<) (-?[0-9]+) Then Debug\.Print "[^"]*" & ()re" +
                                    "(Err\\.LastDllError|" + kName + "))$");
        std::smatch m;
        if (std::regex_match(text, m, kDim)) {
            const std::string type = m[3];
            if (!(isVbBuiltinType(type, dialect_) || types_.count(type)) || type == "Any")
                return "unknown type " + type;
            if (m[2] == "()" && type != "Byte") return "a dynamic array not of Byte: " + text;
            if (!vars_.emplace(lower(m[1]), Variable{type, m[2].matched, m[2] == "()"}).second)
                return "repeated variable " + m[1].str();
            return {};
        }
        if (std::regex_match(text, m, kReDim)) {
            const Variable* v = find(m[1]);
            if (!v || !v->dynamic) return "ReDim of an array that is not dynamic: " + text;
            return isInteger(m[2]) ? "" : "ReDim to a size that is not an integer: " + text;
        }
        if (std::regex_match(text, m, kIf)) {
            if (result.empty() || m[1] != result)
                return "If tests something other than the result: " + text;
            if (m[4] != "Err.LastDllError" && m[4] != result)
                return "If prints an unknown value: " + text;
            return {};
        }
        if (std::regex_match(text, m, kAssign)) return assignment(m[1], m[2], m[3], text);
        return "malformed line: " + text;
    }

private:
    std::string assignment(const std::string& target, const std::string& member,
                           const std::string& value, const std::string& text) const {
        static const std::regex kBuffer("^String\\$\\([1-9][0-9]*, vbNullChar\\)$");
        static const std::regex kLen("^Len\\((" + kName + ")(\\." + kName + ")?\\)$");
        static const std::regex kUBound("^UBound\\((" + kName + ")\\) \\+ 1$");
        static const std::regex kStrPtr("^StrPtr\\((" + kName + ")\\)$");
        std::smatch m;
        const bool intoMember = !member.empty();
        if (intoMember && !isStructure(target))
            return "member of a variable that is not a Type: " + text;
        if (std::regex_match(value, kBuffer))
            return intoMember || isString(target)
                       ? ""
                       : "buffer in a variable that is not a String: " + text;
        if (std::regex_match(value, std::regex(R"re(^"[ !#-~]*"$)re")))
            return intoMember || isString(target)
                       ? ""
                       : "text in a variable that is not a String: " + text;
        if (value == "vbNullString")
            return isString(target) ? ""
                                    : "vbNullString in a variable that is not a String: " + text;
        if (!intoMember && !isInteger(target)) return "a number in a non-integer: " + text;
        if (std::regex_match(value, m, kLen)) {
            // A member takes the length of its own structure or of a member of it.
            if (intoMember && lower(m[1]) != lower(target))
                return "size of another variable: " + text;
            return hasLength(m[1].str() + m[2].str()) ? "" : "Len of an unknown value: " + text;
        }
        if (std::regex_match(value, m, kUBound)) {
            const Variable* v = find(m[1]);
            return v && v->array ? "" : "UBound of a variable that is not an array: " + text;
        }
        if (std::regex_match(value, m, kStrPtr))
            return isString(m[1]) ? "" : "StrPtr of a variable that is not a String: " + text;
        if (std::regex_match(value, std::regex("^[0-9]+$"))) return {};
        return isInteger(value) ? "" : "unknown value: " + text;
    }

    const std::set<std::string>& types_;
    VbDialect dialect_;
    std::map<std::string, Variable> vars_;  // by lower-case name
};

}  // namespace

std::string checkVbSample(const std::string& sample, const std::string& declare,
                          const std::set<std::string>& types) {
    static const std::regex kShape(R"re(^Declare (PtrSafe )?(Function|Sub) ()re" + kName +
                                   R"re() Lib "[^"]+"(?: Alias "[^"]+")? \((.*)\)(?: As ()re" +
                                   kName + "))?$");
    static const std::regex kParam("^(ByVal|ByRef) " + kName + " As (" + kName + ")$");
    std::smatch d;
    if (!std::regex_match(declare, d, kShape)) return "not a Declare statement";
    const VbDialect dialect = d[1].matched ? VbDialect::Vba64 : VbDialect::Vb6;
    const std::string name = d[3], resultType = d[5];
    const bool isSub = d[2] == "Sub";
    std::vector<std::pair<bool, std::string>> params;  // ByRef, type
    const std::string list = d[4];
    for (size_t at = 0; !list.empty() && at <= list.size();) {
        const size_t end = std::min(list.find(", ", at), list.size());
        const std::string p = list.substr(at, end - at);
        std::smatch pm;
        if (!std::regex_match(p, pm, kParam)) return "malformed parameter: " + p;
        params.emplace_back(pm[1] == "ByRef", pm[2]);
        at = end + 2;
    }
    const std::string null = dialect == VbDialect::Vba64 ? "ByVal 0^" : "ByVal 0&";
    const std::regex call(isSub ? "^" + name + "(?: (.*))?$"
                                : "^(" + kName + ") = " + name + "\\((.*)\\)$");
    SampleCheck check(types, dialect);
    std::string result;
    int calls = 0;
    for (const std::string& line : splitLines(sample)) {
        if (line.starts_with("'")) continue;
        std::smatch m;
        if (!std::regex_match(line, m, call)) {
            if (std::string problem = check.line(line, result); !problem.empty()) return problem;
            continue;
        }
        if (++calls > 2) return "more than two calls";
        if (!isSub) {
            result = m[1];
            const Variable* r = check.find(result);
            if (!r || r->array || r->type != resultType)
                return "result variable not of type " + resultType;
        }
        std::vector<std::string> args;
        const std::string given = isSub ? m[1].str() : m[2].str();
        for (size_t at = 0; !given.empty() && at <= given.size();) {
            const size_t end = std::min(given.find(", ", at), given.size());
            args.push_back(given.substr(at, end - at));
            at = end + 2;
        }
        if (args.size() != params.size())
            return "call with " + std::to_string(args.size()) + " arguments";
        for (size_t i = 0; i < args.size(); ++i) {
            const auto& [byRef, type] = params[i];
            if (args[i] == null) {
                if (!byRef || type != "Any") return "NULL for a parameter not As Any: " + args[i];
                continue;
            }
            const std::string argType = check.argumentType(args[i]);
            if (argType.empty()) return "argument not a declared variable: " + args[i];
            if (byRef && type != "Any" && argType != type)
                return "ByRef argument " + args[i] + " is not " + type;
        }
    }
    return calls ? std::string() : "no call of " + name;
}

}  // namespace tolvane::gen
