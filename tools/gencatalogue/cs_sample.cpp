#include <set>

#include "c_types.h"
#include "cs_map.h"
#include "layout.h"
#include "sample_plan.h"
#include "sample_writers.h"
#include "text.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

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

std::string csSample(const Function& f, const std::string& name, const Declared& d,
                     const TypeNames& names, const ErrorRule& error, const std::string& result) {
    return CsSample(f, name, d, names).write(error, result);
}

}  // namespace tolvane::gen
