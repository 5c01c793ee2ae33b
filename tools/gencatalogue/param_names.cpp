#include "param_names.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "c_types.h"
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

Function withParameterNames(const Function& f, const TypeNames& names) {
    Function out = f;
    std::set<std::string> used;
    for (const Param& p : f.params)
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
