#include <set>

#include "c_types.h"
#include "layout.h"
#include "sample_plan.h"
#include "sample_writers.h"
#include "text.h"
#include "vb_check.h"
#include "vb_map.h"
#include "vb_type.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

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

bool isVbInteger(const std::string& type) {
    return type == "Long" || type == "Integer" || type == "LongPtr";
}

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

}  // namespace

std::string basicSample(const Function& f, const std::string& name, const Declared& d,
                        VbDialect dialect, const TypeNames& names, const ErrorRule& error,
                        const std::string& result) {
    return BasicSample(f, name, d, dialect, names).write(error, result);
}

}  // namespace tolvane::gen
