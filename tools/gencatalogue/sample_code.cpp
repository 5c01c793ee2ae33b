#include "sample_code.h"

#include <set>

#include "c_types.h"
#include "cs_map.h"
#include "declared_forms.h"
#include "layout.h"
#include "sample_plan.h"
#include "text.h"
#include "vb_check.h"
#include "vb_map.h"
#include "vb_type.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

// A name for the result variable that no parameter, and not the function,
// already has (compared as VB compares, ignoring case).
std::string resultName(const std::vector<const Declared*>& forms) {
    std::set<std::string> taken;
    for (const Declared* d : forms) {
        taken.insert(lower(d->name));
        for (const auto& p : d->params) taken.insert(lower(p.name));
    }
    std::string name = "result";
    while (taken.count(lower(name))) name += "_";
    return name;
}

// A variable named like the function would hide it (in VB whatever the case).
Declared distinct(Declared d) {
    for (auto& p : d.params)
        if (lower(p.name) == lower(d.name)) p.name += "Value";
    return d;
}

const std::string kBufferLength = std::to_string(kSampleBufferLength);

// The failing test of a result, "" when the function's failure is unstated.
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

// The lines after a call that test its result.
std::string vbResultCheck(const ErrorRule& e, const std::string& function,
                          const std::string& result) {
    if (e.report == ErrorReport::LastError)
        return "If " + vbFailureTest(e, result) + " Then Debug.Print \"" +
               say(Phrase::FailedWithCode, {function}) + "\" & Err.LastDllError";
    if (e.report == ErrorReport::ReturnedCode)
        return "If " + vbFailureTest(e, result) + " Then Debug.Print \"" +
               say(Phrase::ReturnedErrorCode, {function}) + "\" & " + result;
    return {};
}

std::string csResultCheck(const ErrorRule& e, const std::string& function, const std::string& type,
                          const std::string& result) {
    if (e.report == ErrorReport::LastError)
        return "if (" + csFailureTest(e, type, result) + ") Console.WriteLine(\"" +
               say(Phrase::FailedWithCode, {function}) + "\" + Marshal.GetLastWin32Error());";
    if (e.report == ErrorReport::ReturnedCode)
        return "if (" + csFailureTest(e, type, result) + ") Console.WriteLine(\"" +
               say(Phrase::ReturnedErrorCode, {function}) + "\" + " + result + ");";
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

bool isVbInteger(const std::string& type) {
    return type == "Long" || type == "Integer" || type == "LongPtr";
}

// A sample in VB6 or 64-bit VBA: the declared parameters of `d`, planned
// from the C prototype `f` that the declaration was made from.
class BasicSample {
public:
    BasicSample(const Function& f, const std::string& name, const Declared& d, VbDialect dialect,
                const TypeNames& names)
        : f_(f), name_(name), d_(d), dialect_(dialect), names_(names) {}

    std::string write(const ErrorRule& error, const std::string& result) {
        // The VB parameters of each C parameter (a structure by value takes several).
        std::vector<int> first;
        int count = 0;
        for (size_t i = 0; i < f_.params.size(); ++i) {
            first.push_back(count);
            count += static_cast<int>(
                vbParams(f_.params[i], static_cast<int>(i) + 1, names_, dialect_).size());
        }
        std::vector<std::string> dims(d_.params.size());
        for (size_t k = 0; k < d_.params.size(); ++k) {
            const auto& p = d_.params[k];
            dims[k] = "Dim " + p.name + " As " + (p.type == "Any" ? "Long" : p.type);
            args_.push_back(p.name);
        }
        const SamplePlan plan = planSample(f_, name_);
        const bool mapped = count == static_cast<int>(d_.params.size());
        for (size_t i = 0; mapped && i < f_.params.size(); ++i)
            prepare(plan, static_cast<int>(i), first, dims);
        std::vector<std::string> lines = {say(
            dialect_ == VbDialect::Vba64 ? Phrase::Vba64SampleHeading : Phrase::VbSampleHeading)};
        for (const std::string& dim : dims)
            if (!dim.empty()) lines.push_back(dim);
        lines.insert(lines.end(), extraDims_.begin(), extraDims_.end());
        if (!d_.result.empty()) lines.push_back("Dim " + result + " As " + d_.result);
        lines.insert(lines.end(), sets_.begin(), sets_.end());
        std::vector<int> sized;
        for (int i : plan.sized)
            if (mapped && d_.params[first[i]].type == "Any") sized.push_back(i);
        if (!sized.empty()) {
            // Called once for the sizes needed, then with room for them.
            std::vector<std::string> ask = args_;
            for (int i : sized) ask[first[i]] = nullArgument();
            lines.push_back(call(ask, result));
            for (int i : sized) {
                const ParamPlan& use = plan.params[i];
                const std::string& buffer = d_.params[first[i]].name;
                const std::string needed = use.sizeNeeded == kResultGivesSize
                                               ? result
                                               : d_.params[first[use.sizeNeeded]].name;
                lines.push_back("ReDim " + buffer + "(0 To " + needed + ")");
                if (use.sizeIn >= 0 && use.sizeIn != use.sizeNeeded)
                    lines.push_back(d_.params[first[use.sizeIn]].name + " = " + needed);
                args_[first[i]] = buffer + "(0)";
            }
        }
        lines.push_back(call(args_, result));
        if (!d_.result.empty())
            if (std::string check = vbResultCheck(error, d_.name, result); !check.empty())
                lines.push_back(check);
        return join(lines, kCrLf);
    }

private:
    std::string nullArgument() const {
        return dialect_ == VbDialect::Vba64 ? "ByVal 0^" : "ByVal 0&";
    }

    std::string call(const std::vector<std::string>& args, const std::string& result) const {
        if (d_.result.empty()) return d_.name + (args.empty() ? "" : " " + join(args, ", "));
        return result + " = " + d_.name + "(" + join(args, ", ") + ")";
    }

    // Len() of a variable of the structure where Len counts what C's sizeof
    // does, else the size itself.
    std::string sizeOf(const Record& r, const std::string& variable) const {
        return vbTypeLayout(r, names_, dialect_).len == r.size ? "Len(" + variable + ")"
                                                               : std::to_string(r.size);
    }

    void prepare(const SamplePlan& plan, int i, const std::vector<int>& first,
                 std::vector<std::string>& dims) {
        const ParamPlan& use = plan.params[i];
        const int k = first[i];
        const auto& p = d_.params[k];
        switch (use.use) {
        case Use::Null:
            if (p.type == "Any") {
                dims[k].clear();
                args_[k] = nullArgument();
                return;
            }
            if (p.type == "String") sets_.push_back(p.name + " = vbNullString");
            return;
        case Use::NullString:
            if (p.type == "String") sets_.push_back(p.name + " = vbNullString");
            return;
        case Use::SizedBuffer:
            if (p.type == "Any") dims[k] = "Dim " + p.name + "() As Byte";
            return;
        case Use::TextBuffer:
        case Use::ByteBuffer: buffer(use, p, first[use.partner], dims[k]); return;
        case Use::SizeOf: {
            const auto& structure = d_.params[first[use.partner]];
            const Record* r = plan.params[use.partner].record;
            if (r && structure.byRef && structure.type != "Any")
                sets_.push_back(p.name + " = " + sizeOf(*r, structure.name));
            return;
        }
        case Use::Text:
            if (p.type == "String") sets_.push_back(p.name + " = \"" + use.text + "\"");
            return;
        case Use::LengthOf: return;
        case Use::Variable: break;
        }
        if (use.record && p.byRef && p.type == "Any" && use.record->size > 0) {
            // A structure without a Type of its own: room for its bytes.
            dims[k] =
                "Dim " + p.name + "(0 To " + std::to_string(use.record->size - 1) + ") As Byte";
            args_[k] = p.name + "(0)";
            return;
        }
        if (use.record && p.byRef && p.type != "Any" && !isVbBuiltinType(p.type, dialect_))
            fillStructure(*use.record, p.name);
        // A Unicode text goes to VB as StrPtr of a String.
        const CType& t = *f_.params[i].type;
        if (!p.byRef && p.type == vbPointerType(dialect_) && stringKind(t) == CharKind::Wide &&
            !isCallback(t) && !isBstr(t) && f_.params[i].role == Role::Plain) {
            extraDims_.push_back("Dim " + p.name + "Text As String");
            sets_.push_back(p.name + " = StrPtr(" + p.name + "Text)");
        }
    }

    // Room for an output text or bytes, and its length in the partner.
    void buffer(const ParamPlan& use, const Declared::Param& p, int partner, std::string& dim) {
        const auto& len = d_.params[partner];
        if (!isVbInteger(len.type)) return;
        if ((p.type == "Byte" || p.type == "Any") && p.byRef && use.use == Use::ByteBuffer) {
            dim =
                "Dim " + p.name + "(0 To " + std::to_string(kSampleBufferLength - 1) + ") As Byte";
            args_[&p - d_.params.data()] = p.name + "(0)";
            sets_.push_back(len.name + " = UBound(" + p.name + ") + 1");
            return;
        }
        if (use.use != Use::TextBuffer) return;
        std::string text = p.name;
        if (p.type == vbPointerType(dialect_) && !p.byRef) {  // a Unicode text, as StrPtr
            text = p.name + "Buffer";
            extraDims_.push_back("Dim " + text + " As String");
        } else if (p.type != "String") {
            return;
        }
        sets_.push_back(text + " = String$(" + kBufferLength + ", vbNullChar)");
        if (text != p.name) sets_.push_back(p.name + " = StrPtr(" + text + ")");
        sets_.push_back(len.name + " = Len(" + text + ")");
    }

    // The size member and the text buffers of a structure passed by reference.
    void fillStructure(const Record& r, const std::string& variable) {
        const VbType type = vbTypeLayout(r, names_, dialect_);
        if (!r.isUnion && !r.fields.empty() && isSizeMember(r.fields.front()))
            sets_.push_back(variable + "." + vbIdentifier(r.fields.front().name, 1) + " = " +
                            sizeOf(r, variable));
        const std::vector<Member> members = sequentialMembers(r);
        for (const auto& [text, length] : memberBuffers(r)) {
            const std::string textName = vbIdentifier(members[text].name, text + 1);
            const std::string lengthName = vbIdentifier(members[length].name, length + 1);
            const auto has = [&](const std::string& name, bool(test)(const std::string&)) {
                for (const VbMember& m : type.members)
                    if (m.name == name && !m.count && test(m.type)) return true;
                return false;
            };
            if (!has(textName, [](const std::string& t) { return t == "String"; }) ||
                !has(lengthName, [](const std::string& t) { return t == "Long"; }))
                continue;
            const std::string member = variable + "." + textName;
            sets_.push_back(member + " = String$(" + kBufferLength + ", vbNullChar)");
            sets_.push_back(variable + "." + lengthName + " = Len(" + member + ")");
        }
    }

    const Function& f_;
    const std::string& name_;
    const Declared& d_;
    VbDialect dialect_;
    const TypeNames& names_;
    std::vector<std::string> args_, sets_, extraDims_;
};

// The C# sample, for the last declaration of the C# form (the overload that
// takes NULL for optional pointers, where there is one).
class CsSample {
public:
    CsSample(const Function& f, const std::string& name, const Declared& d, const TypeNames& names)
        : f_(f), name_(name), d_(d), names_(names) {}

    std::string write(const ErrorRule& error, const std::string& result) {
        const bool mapped = d_.params.size() == f_.params.size();
        const SamplePlan plan = planSample(f_, name_);
        std::vector<std::string> args;
        for (const auto& p : d_.params) {
            declarations_.push_back(p.type + " " + p.name + " = " + csInitial(p.type) + ";");
            args.push_back((p.byRef ? "ref " : "") + p.name);
        }
        for (size_t i = 0; mapped && i < f_.params.size(); ++i) prepare(plan, static_cast<int>(i));
        std::vector<std::string> lines = {say(Phrase::CsSampleHeading)};
        lines.insert(lines.end(), declarations_.begin(), declarations_.end());
        lines.insert(lines.end(), sets_.begin(), sets_.end());
        const bool isVoid = d_.result == "void";
        auto call = [&](bool first) {
            const std::string text = d_.name + "(" + join(args, ", ") + ");";
            if (isVoid) return text;
            return (first ? d_.result + " " : std::string()) + result + " = " + text;
        };
        std::vector<int> sized;
        for (int i : plan.sized)
            if (mapped && d_.params[i].type == "IntPtr" && !isVoid) sized.push_back(i);
        const bool twoCalls = !sized.empty();
        if (twoCalls) {
            // Called once for the sizes needed, then with room for them.
            lines.push_back(call(true));
            for (int i : sized) {
                const ParamPlan& use = plan.params[i];
                const std::string needed =
                    use.sizeNeeded == kResultGivesSize ? result : d_.params[use.sizeNeeded].name;
                lines.push_back(d_.params[i].name + " = Marshal.AllocHGlobal((int)" + needed +
                                ");");
                if (use.sizeIn >= 0 && use.sizeIn != use.sizeNeeded)
                    lines.push_back(d_.params[use.sizeIn].name + " = " + needed + ";");
            }
        }
        lines.push_back(call(!twoCalls));
        if (!isVoid)
            if (std::string check = csResultCheck(error, d_.name, d_.result, result);
                !check.empty())
                lines.push_back(check);
        for (int i : sized) lines.push_back("Marshal.FreeHGlobal(" + d_.params[i].name + ");");
        return join(lines, kCrLf);
    }

private:
    void prepare(const SamplePlan& plan, int i) {
        const ParamPlan& use = plan.params[i];
        const auto& p = d_.params[i];
        switch (use.use) {
        case Use::Null:
        case Use::NullString:
            if (p.type == "string" || p.type == "StringBuilder" || p.type.ends_with("[]"))
                declarations_[i] = p.type + " " + p.name + " = null;";
            return;
        case Use::TextBuffer:
        case Use::ByteBuffer: {
            const auto& len = d_.params[use.partner];
            const bool text = p.type == "StringBuilder";
            if (!isCsLengthType(len.type) || (!text && p.type != "byte[]")) return;
            declarations_[i] =
                text ? "StringBuilder " + p.name + " = new StringBuilder(" + kBufferLength + ");"
                     : "byte[] " + p.name + " = new byte[" + kBufferLength + "];";
            sets_.push_back(len.name + " = " +
                            csConvert(p.name + (text ? ".Capacity" : ".Length"), len.type) + ";");
            return;
        }
        case Use::SizeOf: {
            const auto& structure = d_.params[use.partner];
            if (structure.byRef && isCsLengthType(p.type))
                sets_.push_back(
                    p.name + " = " +
                    csConvert("Marshal.SizeOf(typeof(" + structure.type + "))", p.type) + ";");
            return;
        }
        case Use::Text:
            if (p.type == "string")
                declarations_[i] = "string " + p.name + " = \"" + use.text + "\";";
            if (p.type == "StringBuilder")
                declarations_[i] = "StringBuilder " + p.name + " = new StringBuilder(\"" +
                                   use.text + "\", " + kBufferLength + ");";
            return;
        case Use::SizedBuffer:
        case Use::LengthOf: return;
        case Use::Variable: break;
        }
        if (use.record && p.byRef) fillStructure(*use.record, p);
    }

    // The size member and the text buffers of a structure passed by reference.
    void fillStructure(const Record& r, const Declared::Param& p) {
        if (!r.isUnion && !r.fields.empty() && isSizeMember(r.fields.front())) {
            const std::string type = csValueType(*r.fields.front().type, names_);
            if (!type.empty())
                sets_.push_back(p.name + "." + csIdentifier(r.fields.front().name, 1) + " = " +
                                csConvert("Marshal.SizeOf(typeof(" + p.type + "))", type) + ";");
        }
        const std::vector<Member> members = sequentialMembers(r);
        for (const auto& [text, length] : memberBuffers(r)) {
            if (stringKind(*members[text].type) == CharKind::None) continue;
            const std::string type = csValueType(*members[length].type, names_);
            const std::string member = p.name + "." + csIdentifier(members[text].name, text + 1);
            sets_.push_back(member + " = new string('\\0', " + kBufferLength + ");");
            sets_.push_back(p.name + "." + csIdentifier(members[length].name, length + 1) + " = " +
                            csConvert(member + ".Length", type) + ";");
        }
    }

    const Function& f_;
    const std::string& name_;
    const Declared& d_;
    const TypeNames& names_;
    std::vector<std::string> declarations_, sets_;
};

}  // namespace

std::string sampleCode(const SampleInput& in, const TypeNames& names) {
    auto vb = readVb(in.vbDeclare);
    auto vba = readVb(in.vba64Declare);
    auto cs = readCs(in.csDeclare);
    if (!vb || !cs) return {};
    vb = distinct(*vb);
    cs = distinct(*cs);
    if (vba) vba = distinct(*vba);
    std::vector<const Declared*> forms = {&*vb, &*cs};
    if (vba) forms.push_back(&*vba);
    const std::string result = resultName(forms);
    std::string out =
        BasicSample(in.vb, in.name, *vb, VbDialect::Vb6, names).write(in.error, result);
    if (vba)
        out +=
            std::string(kCrLf) + kCrLf +
            BasicSample(in.vba64, in.name, *vba, VbDialect::Vba64, names).write(in.error, result);
    return out + kCrLf + kCrLf + CsSample(in.cs, in.name, *cs, names).write(in.error, result);
}

}  // namespace tolvane::gen
