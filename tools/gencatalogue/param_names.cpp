#include "param_names.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <stdexcept>

#include "c_types.h"
#include "fact_table.h"
#include "text.h"

namespace tolvane::gen {

namespace {

// "WNDPROC" -> "Wndproc": a type name as a word of an identifier.
std::string word(const std::string& name) {
    std::string out;
    for (char c : name)
        if (std::isalnum(static_cast<unsigned char>(c))) out += c;
    out = lower(out);
    if (!out.empty()) out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
    return out;
}

// The documented parameter names of a function (data/parameter_names.tsv),
// null when the table has none.
const std::vector<std::string>* documentedNames(const std::string& function) {
    static const std::map<std::string, std::vector<std::string>> table = [] {
        std::map<std::string, std::vector<std::string>> out;
        for (const FactRow& row : readFacts("parameter_names.tsv", 2, 2)) {
            std::vector<std::string> names;
            std::string name;
            for (char c : row[1] + ",") {
                if (c != ',') {
                    name += c;
                } else {
                    names.push_back(name);
                    name.clear();
                }
            }
            if (!out.emplace(row[0], names).second) badFact(row, "names a function twice");
        }
        return out;
    }();
    auto it = table.find(function);
    return it == table.end() ? nullptr : &it->second;
}

std::string outerName(const CType& t) { return t.names.empty() ? std::string() : t.names.front(); }

std::string integerName(const CType& t) {
    if (isBool(t)) return "bFlag";
    switch (t.size) {
    case 1: return "bValue";
    case 2: return "wValue";
    case 8: return "qwValue";
    default: return t.isSigned ? "nValue" : "dwValue";
    }
}

}  // namespace

std::string hungarianName(const CType& t, const TypeNames& names) {
    if (isCallback(t)) {
        const std::string n = outerName(t);
        return "lpfn" + (n.empty() ? std::string("Callback") : word(n));
    }
    if (stringKind(t) != CharKind::None)
        return t.target && t.target->isConst ? "lpszString" : "lpszBuffer";
    if (isHandle(t)) {
        const std::string n = outerName(t);
        if (n == "HANDLE" || n.empty()) return "hObject";
        if (n.size() > 1 && n[0] == 'H') return "h" + word(n.substr(1));
        return "p" + word(n.starts_with("LP") ? n.substr(2) : n);
    }
    if (isPointerSized(t)) {
        const std::string n = outerName(t);
        if (n == "WPARAM") return "wParam";
        if (n == "LPARAM") return "lParam";
        return "dwData";
    }
    switch (t.kind) {
    case Kind::Integer: return integerName(t);
    case Kind::Real: return t.size == 4 ? "fValue" : "dblValue";
    case Kind::Record: {
        if (isInt64(t)) return "qwValue";
        const std::string n = names.catalogued(t);
        return n.empty() ? "value" : lower(n);
    }
    case Kind::Pointer:
    case Kind::Array: {
        if (!t.target) return "lpData";
        const CType& target = *t.target;
        if (target.kind == Kind::Void) return "lpvData";
        if (target.kind == Kind::Record && !isInt64(target)) {
            const std::string n = names.catalogued(target);
            return "lp" + (n.empty() ? std::string("Data") : n);
        }
        if (target.kind == Kind::Integer || target.kind == Kind::Real || isHandle(target) ||
            target.kind == Kind::Pointer)
            return "lp" + hungarianName(target, names);
        return "lpData";
    }
    default: return "value";
    }
}

Function withParameterNames(const Function& f, const TypeNames& names,
                            const std::string& catalogueName) {
    Function out = f;
    if (const std::vector<std::string>* documented = documentedNames(catalogueName)) {
        if (documented->size() != f.params.size())
            throw std::runtime_error("parameter_names.tsv: " + catalogueName + " has " +
                                     std::to_string(f.params.size()) + " parameters");
        for (size_t i = 0; i < out.params.size(); ++i)
            if (out.params[i].name.empty()) out.params[i].name = (*documented)[i];
    }
    std::set<std::string> used;
    for (const Param& p : out.params)
        if (!p.name.empty()) used.insert(lower(p.name));
    for (Param& p : out.params) {
        if (!p.name.empty()) continue;
        const std::string base = hungarianName(*p.type, names);
        std::string name = base;
        for (int n = 2; used.count(lower(name)); ++n) name = base + std::to_string(n);
        used.insert(lower(name));
        p.name = name;
    }
    return out;
}

}  // namespace tolvane::gen
