#include "sample_code.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "c_types.h"
#include "cs_map.h"
#include "declared_forms.h"
#include "facts.h"
#include "text.h"
#include "vb_check.h"
#include "vb_map.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

bool isLengthName(const std::string& name) {
    const std::string n = lower(name);
    for (const char* word : {"size", "len", "max", "count", "cch"})
        if (n.find(word) != std::string::npos) return true;
    return n.starts_with("cb") || n.starts_with("pcb") || n.starts_with("lpcb");
}

bool isOutputText(const Param& p) {
    const CType& t = *p.type;
    return stringKind(t) != CharKind::None && !isCallback(t) && t.target && !t.target->isConst &&
           !isBinaryBuffer(p) && !isBstr(t);
}

// A pointer to bytes the callee writes: LPBYTE, and the char buffers that
// carry bytes (recv's buf).
bool isOutputBytes(const Param& p) {
    const CType& t = *p.type;
    return t.kind == Kind::Pointer && t.target && !t.target->isConst &&
           t.target->kind == Kind::Integer && t.target->size == 1 &&
           (charKind(*t.target) == CharKind::None || isBinaryBuffer(p));
}

// The structure a parameter points to when its first member holds its size.
const Field* sizeMember(const Param& p) {
    const CType& t = *p.type;
    if (t.kind != Kind::Pointer || !t.target || t.target->kind != Kind::Record || !t.target->body)
        return nullptr;
    const Record& r = *t.target->body;
    if (r.isUnion || r.fields.empty() || !isSizeMember(r.fields.front())) return nullptr;
    return &r.fields.front();
}

// What the sample does with each C parameter beyond declaring it.
struct Roles {
    std::vector<int> lengthOf;  // by parameter: the output text whose length it gives, or -1
    std::vector<bool> buffer;   // an output text or bytes with a length beside it
};

Roles rolesOf(const Function& f) {
    Roles r{std::vector<int>(f.params.size(), -1), std::vector<bool>(f.params.size(), false)};
    for (size_t i = 0; i < f.params.size(); ++i) {
        if (!isOutputText(f.params[i]) && !isOutputBytes(f.params[i])) continue;
        const int partner = lengthPartner(f, static_cast<int>(i));
        if (partner < 0 || r.lengthOf[partner] >= 0 || r.buffer[partner]) continue;
        r.lengthOf[partner] = static_cast<int>(i);
        r.buffer[i] = true;
    }
    return r;
}

// A name for the result variable that no parameter, and not the function,
// already has (compared as VB compares, ignoring case).
std::string resultName(const Declared& vb, const Declared& cs) {
    std::set<std::string> taken = {lower(vb.name), lower(cs.name)};
    for (const auto& p : vb.params) taken.insert(lower(p.name));
    for (const auto& p : cs.params) taken.insert(lower(p.name));
    std::string name = "result";
    while (taken.count(lower(name))) name += "_";
    return name;
}

std::string vbFailureTest(const ErrorRule& e, const std::string& result) {
    switch (e.failure) {
    case Failure::Zero: return result + " = 0";
    case Failure::AllOnes: return result + " = -1";
    case Failure::Negative: return result + " < 0";
    case Failure::NonZero: return result + " <> 0";
    }
    return {};
}

std::string csFailureTest(const ErrorRule& e, const std::string& type, const std::string& result) {
    if (type == "bool") return "!" + result;
    if (type == "IntPtr")
        return result + (e.failure == Failure::AllOnes ? " == new IntPtr(-1)" : " == IntPtr.Zero");
    switch (e.failure) {
    case Failure::Zero: return result + " == 0";
    case Failure::AllOnes:
        return result + (type == "uint"     ? " == 0xFFFFFFFF"
                         : type == "ushort" ? " == 0xFFFF"
                                            : " == -1");
    case Failure::Negative: return result + " < 0";
    case Failure::NonZero: return result + " != 0";
    }
    return {};
}

// A C# expression converting the int `value` to `type`.
std::string csConvert(const std::string& value, const std::string& type) {
    if (type == "int") return value;
    if (type == "UIntPtr") return "(UIntPtr)(uint)" + value;
    return "(" + type + ")" + value;
}

bool isCsLengthType(const std::string& t) {
    static const std::set<std::string> kTypes = {"int",    "uint",   "short",
                                                 "ushort", "IntPtr", "UIntPtr"};
    return kTypes.count(t) != 0;
}

std::string csInitial(const std::string& type) {
    if (type == "IntPtr") return "IntPtr.Zero";
    if (type == "bool") return "false";
    if (type == "string") return "\"\"";
    static const std::set<std::string> kNumbers = {"byte", "sbyte", "short", "ushort", "int",
                                                   "uint", "long",  "ulong", "float",  "double"};
    if (kNumbers.count(type)) return "0";
    return "default(" + type + ")";
}

class Writer {
public:
    Writer(const SampleInput& in, const TypeNames& names, Declared vb, Declared cs)
        : in_(in),
          names_(names),
          vb_(distinct(std::move(vb))),
          cs_(distinct(std::move(cs))),
          result_(resultName(vb_, cs_)) {}

    std::string vb() const {
        // The VB parameters of each C parameter (a structure by value takes several).
        std::vector<int> first;
        int count = 0;
        for (size_t i = 0; i < in_.vb.params.size(); ++i) {
            first.push_back(count);
            count += static_cast<int>(
                vbParams(in_.vb.params[i], static_cast<int>(i) + 1, names_).size());
        }
        const bool mapped = count == static_cast<int>(vb_.params.size());
        const Roles roles = rolesOf(in_.vb);
        std::vector<std::string> dims, sets, args;
        for (const auto& p : vb_.params) {
            dims.push_back("Dim " + p.name + " As " + (p.type == "Any" ? "Long" : p.type));
            args.push_back(p.name);
        }
        const std::string last = std::to_string(kSampleBufferLength - 1);
        for (size_t i = 0; mapped && i < in_.vb.params.size(); ++i) {
            const auto& p = vb_.params[first[i]];
            if (roles.buffer[i]) {
                const int length = lengthIndex(roles, static_cast<int>(i));
                const auto& len = vb_.params[first[length]];
                if (len.type != "Long" && len.type != "Integer") continue;
                if (p.type == "Byte" && p.byRef) {  // bytes: an array, passed by its first element
                    dims[first[i]] = "Dim " + p.name + "(0 To " + last + ") As Byte";
                    args[first[i]] = p.name + "(0)";
                    sets.push_back(len.name + " = UBound(" + p.name + ") + 1");
                    continue;
                }
                std::string text = p.name;
                if (p.type == "Long") {  // a Unicode text, passed as StrPtr of a String
                    text = p.name + "Buffer";
                    dims.push_back("Dim " + text + " As String");
                } else if (p.type != "String") {
                    continue;
                }
                sets.push_back(text + " = String$(" + std::to_string(kSampleBufferLength) +
                               ", vbNullChar)");
                if (text != p.name) sets.push_back(p.name + " = StrPtr(" + text + ")");
                sets.push_back(len.name + " = Len(" + text + ")");
            }
            // Any other Unicode text goes to VB as StrPtr of a String.
            const CType& t = *in_.vb.params[i].type;
            if (!roles.buffer[i] && p.type == "Long" && !p.byRef &&
                stringKind(t) == CharKind::Wide && !isCallback(t) && !isBstr(t)) {
                dims.push_back("Dim " + p.name + "Text As String");
                sets.push_back(p.name + " = StrPtr(" + p.name + "Text)");
            }
            if (const Field* size = sizeMember(in_.vb.params[i]);
                size && p.byRef && !isVbBuiltinType(p.type))
                sets.push_back(p.name + "." + vbIdentifier(size->name, 1) + " = Len(" + p.name +
                               ")");
        }
        std::vector<std::string> lines = {say(Phrase::VbSampleHeading)};
        lines.insert(lines.end(), dims.begin(), dims.end());
        const std::string call = vb_.name + (args.empty() ? "" : "(" + join(args, ", ") + ")");
        if (!vb_.result.empty()) lines.push_back("Dim " + result_ + " As " + vb_.result);
        lines.insert(lines.end(), sets.begin(), sets.end());
        if (vb_.result.empty()) {
            lines.push_back(vb_.name + (args.empty() ? "" : " " + join(args, ", ")));
            return join(lines, kCrLf);
        }
        lines.push_back(result_ + " = " + call + (args.empty() ? "()" : ""));
        if (in_.error.report == ErrorReport::LastError)
            lines.push_back("If " + vbFailureTest(in_.error, result_) + " Then Debug.Print \"" +
                            say(Phrase::FailedWithCode, {vb_.name}) + "\" & Err.LastDllError");
        else if (in_.error.report == ErrorReport::ReturnedCode)
            lines.push_back("If " + vbFailureTest(in_.error, result_) + " Then Debug.Print \"" +
                            say(Phrase::ReturnedErrorCode, {vb_.name}) + "\" & " + result_);
        return join(lines, kCrLf);
    }

    std::string cs() const {
        const bool mapped = cs_.params.size() == in_.cs.params.size();
        const Roles roles = rolesOf(in_.cs);
        std::vector<std::string> lines = {say(Phrase::CsSampleHeading)}, sets, args;
        std::vector<std::string> declarations(cs_.params.size());
        for (size_t i = 0; i < cs_.params.size(); ++i) {
            const auto& p = cs_.params[i];
            declarations[i] = p.type + " " + p.name + " = " + csInitial(p.type) + ";";
            args.push_back((p.byRef ? "ref " : "") + p.name);
        }
        for (size_t i = 0; mapped && i < cs_.params.size(); ++i) {
            const auto& p = cs_.params[i];
            if (roles.buffer[i] && (p.type == "StringBuilder" || p.type == "byte[]")) {
                const int length = lengthIndex(roles, static_cast<int>(i));
                const auto& len = cs_.params[length];
                if (!isCsLengthType(len.type)) continue;
                const bool text = p.type == "StringBuilder";
                const std::string count = std::to_string(kSampleBufferLength);
                declarations[i] =
                    text ? "StringBuilder " + p.name + " = new StringBuilder(" + count + ");"
                         : "byte[] " + p.name + " = new byte[" + count + "];";
                sets.push_back(len.name + " = " +
                               csConvert(p.name + (text ? ".Capacity" : ".Length"), len.type) +
                               ";");
            }
            if (const Field* size = sizeMember(in_.cs.params[i]); size && p.byRef) {
                const std::string type = csValueType(*size->type, names_);
                if (!type.empty())
                    sets.push_back(p.name + "." + csIdentifier(size->name, 1) + " = " +
                                   csConvert("Marshal.SizeOf(typeof(" + p.type + "))", type) + ";");
            }
        }
        lines.insert(lines.end(), declarations.begin(), declarations.end());
        lines.insert(lines.end(), sets.begin(), sets.end());
        const std::string call = cs_.name + "(" + join(args, ", ") + ")";
        if (cs_.result == "void") {
            lines.push_back(call + ";");
            return join(lines, kCrLf);
        }
        lines.push_back(cs_.result + " " + result_ + " = " + call + ";");
        if (in_.error.report == ErrorReport::LastError)
            lines.push_back("if (" + csFailureTest(in_.error, cs_.result, result_) +
                            ") Console.WriteLine(\"" + say(Phrase::FailedWithCode, {cs_.name}) +
                            "\" + Marshal.GetLastWin32Error());");
        else if (in_.error.report == ErrorReport::ReturnedCode)
            lines.push_back("if (" + csFailureTest(in_.error, cs_.result, result_) +
                            ") Console.WriteLine(\"" + say(Phrase::ReturnedErrorCode, {cs_.name}) +
                            "\" + " + result_ + ");");
        return join(lines, kCrLf);
    }

private:
    // A variable named like the function would hide it (in VB whatever the case).
    static Declared distinct(Declared d) {
        for (auto& p : d.params)
            if (lower(p.name) == lower(d.name)) p.name += "Value";
        return d;
    }
    static int lengthIndex(const Roles& r, int text) {
        return static_cast<int>(std::find(r.lengthOf.begin(), r.lengthOf.end(), text) -
                                r.lengthOf.begin());
    }

    const SampleInput& in_;
    const TypeNames& names_;
    const Declared vb_, cs_;
    std::string result_;
};

}  // namespace

bool isSizeMember(const Field& first) {
    static const std::vector<std::string> names = everyStructure("size-member");
    return std::find(names.begin(), names.end(), first.name) != names.end() &&
           first.type->kind == Kind::Integer && first.bitWidth < 0 && !isBool(*first.type);
}

int lengthPartner(const Function& f, int index) {
    for (int j : {index + 1, index - 1}) {
        if (j < 0 || j >= static_cast<int>(f.params.size())) continue;
        const Param& p = f.params[j];
        const CType& t = *p.type;
        const CType* value = t.kind == Kind::Pointer && t.target ? t.target.get() : &t;
        if (value->kind == Kind::Integer && !isBool(*value) && charKind(*value) == CharKind::None &&
            isLengthName(p.name))
            return j;
    }
    return -1;
}

std::string sampleCode(const SampleInput& in, const TypeNames& names) {
    const auto vb = readVb(in.vbDeclare);
    const auto cs = readCs(in.csDeclare);
    if (!vb || !cs) return {};
    const Writer w(in, names, *vb, *cs);
    return w.vb() + kCrLf + kCrLf + w.cs();
}

}  // namespace tolvane::gen
