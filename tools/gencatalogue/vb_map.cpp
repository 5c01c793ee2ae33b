#include "vb_map.h"

#include <limits>

#include "c_types.h"
#include "layout.h"
#include "text.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

std::string integerType(int size, VbDialect d) {
    switch (size) {
    case 1: return "Byte";
    case 2: return "Integer";
    case 8: return vbInt64Type(d);
    default: return "Long";
    }
}

// An integer value: pointer-sized ones hold pointers in 64-bit VBA.
std::string integerType(const CType& t, VbDialect d) {
    return d == VbDialect::Vba64 && isPointerSized(t) ? vbPointerType(d) : integerType(t.size, d);
}

std::string realType(int size) { return size == 4 ? "Single" : "Double"; }

std::string param(bool byVal, const std::string& name, const std::string& type) {
    return (byVal ? "ByVal " : "ByRef ") + name + " As " + type;
}

// A structure passed by value: VB cannot, so its 32-bit words go one by one,
// named after the members when every member is one word.
std::vector<std::string> wordParams(const CType& t, const std::string& name, const TypeNames& names,
                                    VbDialect d) {
    if (d == VbDialect::Vba64) {
        // x64 passes a structure of 1, 2, 4 or 8 bytes in a register, any
        // other by a pointer to it.
        if (t.size == 1 || t.size == 2 || t.size == 4 || t.size == 8)
            return {param(true, name, integerType(t.size, d))};
        const std::string type = names.vb(t);
        return {param(false, name, type.empty() ? "Any" : type)};
    }
    std::vector<std::string> out;
    bool byMember = t.body != nullptr;
    std::vector<Member> members;
    if (t.body) {
        members = sequentialMembers(*t.body);
        for (const Member& m : members)
            if (m.type->kind == Kind::Array || m.type->kind == Kind::Record || m.type->size != 4)
                byMember = false;
    }
    if (byMember && !members.empty()) {
        for (const Member& m : members)
            out.push_back(param(true, name + "_" + vbIdentifier(m.name, 0), "Long"));
        return out;
    }
    const int words = (t.size + 3) / 4;
    for (int i = 1; i <= words; ++i)
        out.push_back(param(true, name + "_" + std::to_string(i), "Long"));
    return out;
}

std::string pointeeParamType(const CType& target, const TypeNames& names, VbDialect d) {
    switch (target.kind) {
    case Kind::Integer: return integerType(target, d);
    case Kind::Real: return realType(target.size);
    case Kind::Pointer: return vbPointerType(d);
    case Kind::Record: {
        if (isInt64(target)) return vbInt64Type(d);
        std::string n = names.vb(target);
        return n.empty() ? "Any" : n;
    }
    default: return "Any";
    }
}

}  // namespace

std::string vbValueType(const CType& t, const TypeNames& names, bool isField, VbDialect dialect) {
    switch (t.kind) {
    case Kind::Integer: return integerType(t, dialect);
    case Kind::Real: return realType(t.size);
    case Kind::Pointer:
        return isField && stringKind(t) == CharKind::Narrow ? "String" : vbPointerType(dialect);
    case Kind::Record: return isInt64(t) ? vbInt64Type(dialect) : names.vb(t);
    default: return {};
    }
}

namespace {

// The parameter as its C type alone maps it.
std::vector<std::string> byType(const Param& p, const std::string& name, const TypeNames& names,
                                VbDialect dialect) {
    const CType& t = *p.type;
    const std::string pointer = vbPointerType(dialect);
    if (isCallback(t) || isReservedPointer(p)) return {param(true, name, pointer)};
    if (isBinaryBuffer(p)) return {param(false, name, "Byte")};
    if (t.kind == Kind::Pointer && t.target && passedByPointer(*t.target))
        return {param(true, name, pointer)};
    switch (stringKind(t)) {
    case CharKind::Narrow: return {param(true, name, "String")};
    case CharKind::Wide: return {param(true, name, pointer)};
    case CharKind::None: break;
    }
    if (isHandle(t)) return {param(true, name, pointer)};
    switch (t.kind) {
    case Kind::Integer: return {param(true, name, integerType(t, dialect))};
    case Kind::Real: return {param(true, name, realType(t.size))};
    case Kind::Record:
        if (isInt64(t)) return {param(true, name, vbInt64Type(dialect))};
        return wordParams(t, name, names, dialect);
    case Kind::Pointer:
    case Kind::Array:
        return {param(false, name, t.target ? pointeeParamType(*t.target, names, dialect) : "Any")};
    default: return {param(false, name, "Any")};
    }
}

}  // namespace

std::vector<std::string> vbParams(const Param& p, int position, const TypeNames& names,
                                  VbDialect dialect) {
    const std::string name = vbIdentifier(p.name, position);
    switch (p.role) {
    case Role::Address:
    case Role::Owned: return {param(true, name, vbPointerType(dialect))};
    case Role::Sized: return {param(false, name, "Any")};
    case Role::Optional:
    case Role::Plain: break;
    }
    std::vector<std::string> out = byType(p, name, names, dialect);
    // A variable of any type, or ByVal 0& for NULL.
    if (p.role == Role::Optional && out.size() == 1 && out[0].starts_with("ByRef "))
        out[0] = param(false, name, "Any");
    return out;
}

std::string vbDeclare(const std::string& name, const std::string& exportName,
                      const std::string& lib, const Function& f, const TypeNames& names,
                      VbDialect dialect) {
    std::string result;
    if (f.result->kind != Kind::Void) {
        result = vbValueType(*f.result, names, false, dialect);
        if (result.empty() || (f.result->kind == Kind::Record && !isInt64(*f.result))) return {};
    }
    std::vector<std::string> params;
    for (size_t i = 0; i < f.params.size(); ++i)
        for (std::string& p : vbParams(f.params[i], static_cast<int>(i) + 1, names, dialect))
            params.push_back(std::move(p));
    const std::string declared = vbIdentifier(name, 0);
    std::string out = dialect == VbDialect::Vba64 ? "Declare PtrSafe " : "Declare ";
    out += result.empty() ? "Sub " : "Function ";
    out += declared + " Lib \"" + lib + "\"";
    if (exportName != declared) out += " Alias \"" + exportName + "\"";
    out += " (" + join(params, ", ") + ")";
    if (!result.empty()) out += " As " + result;
    return out;
}

std::string vbConst(const Constant& c, VbDialect dialect) {
    if (c.isString) {
        std::string quoted;
        for (char ch : c.text) quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
        return "Const " + vbConstName(c.name) + " = \"" + quoted + "\"";
    }
    const long long v = c.value;
    const bool above63Bits = c.bytes == 8 && c.isUnsigned && v < 0;
    const bool fitsLong = !above63Bits && v >= -2147483648LL && v <= 2147483647LL;
    const bool unsignedWord = !fitsLong && v > 0 && v <= 0xFFFFFFFFLL && c.bytes <= 4;
    const std::string name = vbConstName(c.name);
    if ((c.hex && fitsLong) || unsignedWord)
        return "Const " + name + " = &H" + hexDigits(static_cast<unsigned long long>(v), 32) + "&";
    const std::string digits =
        above63Bits ? std::to_string(static_cast<unsigned long long>(v)) : std::to_string(v);
    if (fitsLong) return "Const " + name + " = " + digits;
    if (dialect == VbDialect::Vba64) {
        // A LongLong literal. Hexadecimal keeps the bits of an unsigned value
        // above 2^63, and the lowest value, whose digits alone overflow.
        if (c.hex || above63Bits || v == std::numeric_limits<long long>::min())
            return "Const " + name + " = &H" + hexDigits(static_cast<unsigned long long>(v), 64) +
                   "^";
        return "Const " + name + " = " + digits + "^";
    }
    // VB6 has no 64-bit integer: a Double holds the value exactly up to 2^53,
    // beyond that the digits go into a String that CDec turns into an exact
    // Decimal.
    if (!above63Bits && v >= -(1LL << 53) && v <= (1LL << 53))
        return "Const " + name + " As Double = " + digits + "  ' " + say(Phrase::ExactDouble);
    return "Const " + name + " As String = \"" + digits + "\"  ' " +
           say(Phrase::DigitsForCDec, {name});
}

}  // namespace tolvane::gen
