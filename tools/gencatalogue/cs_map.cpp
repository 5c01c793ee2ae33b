#include "cs_map.h"

#include "c_types.h"
#include "facts.h"
#include "text.h"

namespace tolvane::gen {

namespace {

std::string integerType(const CType& t) {
    if (t.size == 2 && charKind(t) == CharKind::Wide) return "char";
    switch (t.size) {
    case 1: return t.isSigned && t.builtin != "char" ? "sbyte" : "byte";
    case 2: return t.isSigned ? "short" : "ushort";
    case 8: return t.isSigned ? "long" : "ulong";
    default: return t.isSigned ? "int" : "uint";
    }
}

std::string byRefPointerSized(const CType& target) {
    return target.isSigned ? "ref IntPtr " : "ref UIntPtr ";
}

bool pointsToBytes(const CType& t, int size) {
    return t.kind == Kind::Pointer && t.target && t.target->kind == Kind::Integer &&
           t.target->size == size;
}

// The parameter as its C type alone maps it.
std::string csParamByType(const Param& p, const std::string& name, const TypeNames& names,
                          CharSet charSet, bool generic) {
    const CType& t = *p.type;
    const bool pointer = t.kind == Kind::Pointer || t.kind == Kind::Array;
    if (!pointer || isCallback(t) || isHandle(t)) {
        std::string type = csValueType(t, names);
        return type.empty() ? std::string() : type + " " + name;
    }
    const CType* target = t.target.get();
    if (!target || isReservedPointer(p)) return "IntPtr " + name;
    if (isBstr(t)) return "[MarshalAs(UnmanagedType.BStr)] string " + name;
    if (isBinaryBuffer(p)) return "byte[] " + name;
    if (pointsToPointerSized(t)) return byRefPointerSized(*target) + name;
    if (passedByPointer(*target)) return "IntPtr " + name;
    if (const CharKind kind = charKind(*target); kind != CharKind::None)
        return marshalString(kind, charSet, generic) +
               (target->isConst ? "string " : "StringBuilder ") + name;
    const std::string byRef = "ref ";
    switch (target->kind) {
    case Kind::Integer:
        if (target->size == 1) return "byte[] " + name;
        return byRef + csValueType(*target, names) + " " + name;
    case Kind::Real:
    case Kind::Pointer: return byRef + csValueType(*target, names) + " " + name;
    case Kind::Record: {
        std::string type = csValueType(*target, names);
        return type.empty() ? "IntPtr " + name : byRef + type + " " + name;
    }
    default: return "IntPtr " + name;
    }
}

}  // namespace

std::string marshalString(CharKind kind, CharSet charSet, bool generic) {
    if (generic || (kind == CharKind::Narrow && charSet == CharSet::Ansi) ||
        (kind == CharKind::Wide && charSet == CharSet::Unicode))
        return {};
    return kind == CharKind::Narrow ? "[MarshalAs(UnmanagedType.LPStr)] "
                                    : "[MarshalAs(UnmanagedType.LPWStr)] ";
}

std::string charSetName(CharSet c) {
    switch (c) {
    case CharSet::Ansi: return "CharSet.Ansi";
    case CharSet::Unicode: return "CharSet.Unicode";
    case CharSet::Auto: return "CharSet.Auto";
    case CharSet::None: break;
    }
    return {};
}

std::string csValueType(const CType& t, const TypeNames& names) {
    if (isBool(t)) return "bool";
    switch (t.kind) {
    case Kind::Void: return "void";
    case Kind::Integer: return isPointerSized(t) ? "IntPtr" : integerType(t);
    case Kind::Real: return t.size == 4 ? "float" : "double";
    case Kind::Pointer: return "IntPtr";
    case Kind::Record:
        if (t.record == "GUID") return "Guid";
        if (t.record == "LARGE_INTEGER") return "long";
        if (t.record == "ULARGE_INTEGER") return "ulong";
        return names.cs(t);
    default: return {};
    }
}

std::string csParam(const Param& p, int position, const TypeNames& names, CharSet charSet,
                    bool generic, bool nullForm) {
    const std::string name = csIdentifier(p.name, position);
    if (p.role == Role::Address || p.role == Role::Owned || p.role == Role::Sized)
        return "IntPtr " + name;
    std::string byType = csParamByType(p, name, names, charSet, generic);
    if (nullForm && p.role == Role::Optional && byType.starts_with("ref ")) return "IntPtr " + name;
    return byType;
}

bool setsLastError(const Function& f) {
    return isBool(*f.result) || f.result->kind == Kind::Pointer;
}

StringSides stringSides(const std::vector<CTypePtr>& ansi, const std::vector<CTypePtr>* wide) {
    StringSides s;
    s.generic.assign(ansi.size(), false);
    if (wide) {
        s.charSet = CharSet::Auto;
        for (size_t i = 0; i < ansi.size() && i < wide->size(); ++i) {
            s.generic[i] = stringKind(*ansi[i]) == CharKind::Narrow &&
                           stringKind(*(*wide)[i]) == CharKind::Wide;
            // Strings of unsigned char / unsigned short (RPC_CSTR, RPC_WSTR)
            // pass as bytes: Auto would send ANSI bytes to the W export.
            if (!s.generic[i] && pointsToBytes(*ansi[i], 1) && pointsToBytes(*(*wide)[i], 2))
                s.charSet = CharSet::Ansi;
        }
        return s;
    }
    bool narrow = false, wideAny = false;
    for (const CTypePtr& t : ansi) {
        if (isCallback(*t)) continue;
        narrow |= stringKind(*t) == CharKind::Narrow;
        wideAny |= stringKind(*t) == CharKind::Wide;
    }
    if (narrow != wideAny) s.charSet = narrow ? CharSet::Ansi : CharSet::Unicode;
    return s;
}

std::string csDeclare(const CsFunction& target, const Function& f, const TypeNames& names,
                      const StringSides& sides) {
    std::string result = stringKind(*f.result) != CharKind::None  ? "IntPtr"
                         : functionFact(target.name, "minus-one") ? "int"
                                                                  : csValueType(*f.result, names);
    if (result.empty()) return {};
    std::vector<std::string> params;
    for (size_t i = 0; i < f.params.size(); ++i) {
        const bool generic = i < sides.generic.size() && sides.generic[i];
        std::string p = csParam(f.params[i], static_cast<int>(i) + 1, names, sides.charSet, generic,
                                target.nullForm);
        // A BSTR marshalled from a string is the marshaller's to free.
        if (isBstr(*f.params[i].type) && functionFact(target.name, "frees-bstr"))
            p = "IntPtr " + csIdentifier(f.params[i].name, static_cast<int>(i) + 1);
        if (p.empty()) return {};
        params.push_back(std::move(p));
    }
    std::string attr = "[DllImport(\"" + target.dll + "\"";
    if (sides.charSet != CharSet::None) attr += ", CharSet = " + charSetName(sides.charSet);
    if (target.setLastError) attr += ", SetLastError = true";
    if (f.cdecl_) attr += ", CallingConvention = CallingConvention.Cdecl";
    if (!target.entryPoint.empty()) attr += ", EntryPoint = \"" + target.entryPoint + "\"";
    attr += ")]";
    return attr + kCrLf + "static extern " + result + " " + target.name + "(" + join(params, ", ") +
           ");";
}

std::string csConst(const Constant& c) {
    if (c.isString) {
        std::string quoted;
        for (char ch : c.text) {
            if (ch == '"' || ch == '\\') quoted += '\\';
            quoted += ch;
        }
        return "const string " + csIdentifier(c.name, 0) + " = \"" + quoted + "\";";
    }
    std::string type = "int";
    if (!c.isPointer) {
        if (c.bytes == 8)
            type = c.isUnsigned ? "ulong" : "long";
        else if (c.bytes == 4 && c.isUnsigned)
            type = "uint";
    }
    const bool hex = (c.hex && c.value >= 0) || (type == "ulong" && c.value < 0);
    const std::string value = hex ? "0x" + hexDigits(static_cast<unsigned long long>(c.value), 64)
                                  : std::to_string(c.value);
    return "const " + type + " " + csIdentifier(c.name, 0) + " = " + value + ";";
}

}  // namespace tolvane::gen
