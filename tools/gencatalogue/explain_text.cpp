#include "explain_text.h"

#include "c_types.h"
#include "text.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

std::string failingValue(Failure failure, const CType& result) {
    const bool pointer = result.kind == Kind::Pointer || isHandle(result);
    if (failure == Failure::AllOnes)
        return pointer ? say(Phrase::InvalidHandleValue)
                       : say(Phrase::AllOnesValue, {hexDigits(~0ULL, result.size * 8)});
    if (isBool(result)) return say(Phrase::FalseValue);
    return pointer ? say(Phrase::NullValue) : "0";
}

// Where a sized buffer's size comes from: a parameter, or the result.
std::string sizeSource(const Param& p) {
    return p.sizeNeeded == "result" ? say(Phrase::TheResult) : p.sizeNeeded;
}

}  // namespace

std::string roleNotes(const Function& f, bool csOverload) {
    std::vector<std::string> pointers, texts, addresses, owned;
    std::string out;
    for (const Param& p : f.params) {
        switch (p.role) {
        case Role::Optional:
            (stringKind(*p.type) != CharKind::None ? texts : pointers).push_back(p.name);
            break;
        case Role::Address: addresses.push_back(p.name); break;
        case Role::Owned: owned.push_back(p.name); break;
        case Role::Sized: out += say(Phrase::SizedResult, {p.name, sizeSource(p)}); break;
        case Role::Plain: break;
        }
    }
    const std::string separator = say(Phrase::ListSeparator);
    if (!pointers.empty()) out += say(Phrase::NullPointers, {join(pointers, separator)});
    if (!pointers.empty() && csOverload) out += say(Phrase::NullOverload);
    if (!texts.empty()) out += say(Phrase::NullTexts, {join(texts, separator)});
    if (!addresses.empty()) out += say(Phrase::AddressValues, {join(addresses, separator)});
    if (!owned.empty()) out += say(Phrase::OwnedPointers, {join(owned, separator)});
    return out;
}

std::string roleMarker(const Param& p) {
    switch (p.role) {
    case Role::Optional: return say(Phrase::OptionalMarker);
    case Role::Address: return say(Phrase::AddressMarker);
    case Role::Sized: return say(Phrase::SizedMarker, {sizeSource(p)});
    case Role::Owned: return say(Phrase::OwnedMarker);
    case Role::Plain: break;
    }
    return {};
}

std::string versionNote(int level) {
    return level > kWin95Level ? say(Phrase::NeedsWindows, {windowsName(level)}) : std::string();
}

std::string errorNote(const ErrorRule& rule, const CType& result) {
    switch (rule.report) {
    case ErrorReport::LastError:
        return say(Phrase::FailsWithLastError, {failingValue(rule.failure, result)});
    case ErrorReport::ReturnedCode:
        return say(Phrase::ReturnsErrorCode,
                   {rule.codeType, say(rule.failure == Failure::Negative ? Phrase::NegativeFails
                                                                         : Phrase::ZeroSucceeds)});
    case ErrorReport::Unstated: break;
    }
    return {};
}

std::string functionExplain(const FunctionFacts& f) {
    std::string out = say(Phrase::DeclaredIn, {f.header, f.dll});
    if (!f.wide.empty()) out += say(Phrase::PairExports, {f.ansi, f.wide});
    if (f.support.minimum > kWin95Level)
        out += f.support.win95 ? say(Phrase::NtNeedsWindows, {windowsName(f.support.minimum)})
                               : versionNote(f.support.minimum);
    const DllRule* rule = dllRule(f.dll);
    if (rule && rule->win9x == Known::No && f.support.minimum <= kWin95Level)
        out += say(Phrase::NoDllOn9x, {f.dll});
    if (f.support.lacks9x) out += say(Phrase::NoFunctionOn9x);
    if (f.result) out += errorNote(f.error, *f.result);
    if (f.cdecl_) out += say(Phrase::CdeclNote);
    return out;
}

std::string constantValue(const Constant& c) {
    if (c.isString) return say(Phrase::StringValue, {c.text});
    const int bits = c.isPointer ? 32 : c.bytes * 8;
    return say(Phrase::NumberValue, {hexDigits(static_cast<unsigned long long>(c.value), bits),
                                     std::to_string(c.value)});
}

std::string constantExplain(const Constant& c, const Constant* unicode, const std::string& ansiName,
                            int level) {
    const std::string out =
        unicode ? say(Phrase::TcharConstantIn, {c.header, ansiName, constantValue(c), unicode->name,
                                                constantValue(*unicode)})
                : say(Phrase::ConstantIn, {c.header, constantValue(c)});
    return out + versionNote(level);
}

}  // namespace tolvane::gen
