#include "typedef_forms.h"

#include <map>

#include "c_types.h"
#include "cs_map.h"
#include "extra_records.h"
#include "fact_table.h"
#include "facts.h"
#include "param_names.h"
#include "vb_map.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

// What kind of value the type holds, as explain names it.
std::string kindOf(const CType& t) {
    if (isCallback(t)) return say(Phrase::CallbackKind);
    if (isHandle(t)) return say(Phrase::HandleKind);
    switch (stringKind(t)) {
    case CharKind::Narrow: return say(Phrase::AnsiStringKind);
    case CharKind::Wide: return say(Phrase::UnicodeStringKind);
    case CharKind::None: break;
    }
    if (isPointerSized(t)) return say(Phrase::PointerSizedKind);
    switch (t.kind) {
    case Kind::Integer: return say(t.isSigned ? Phrase::SignedKind : Phrase::UnsignedKind);
    case Kind::Real: return say(Phrase::RealKind);
    default: return say(Phrase::PointerKind);
    }
}

struct Spelled {
    std::string param, result;
};

Spelled basic(const CType& t, const TypeNames& names, VbDialect dialect) {
    const Param p{hungarianName(t, names), std::make_shared<CType>(t)};
    return {vbParams(p, 1, names, dialect).front(), vbValueType(t, names, false, dialect)};
}

Spelled csharp(const CType& t, const TypeNames& names, bool tchar) {
    const Param p{hungarianName(t, names), std::make_shared<CType>(t)};
    return {csParam(p, 1, names, tchar ? CharSet::Auto : CharSet::None, tchar),
            stringKind(t) != CharKind::None ? "IntPtr" : csValueType(t, names)};
}

const std::map<std::string, std::string>& documentedTypes() {
    static const std::map<std::string, std::string> types = [] {
        std::map<std::string, std::string> out;
        for (const FactRow& row : readFacts("data_types.tsv", 1, 2)) out[row[0]] = row[1];
        return out;
    }();
    return types;
}

}  // namespace

bool cataloguedTypedef(const Typedef& t) {
    const CType& type = *t.type;
    const bool declaredHandle = type.kind == Kind::Pointer && type.target && type.target->body &&
                                isHandleDummy(*type.target->body);
    return declaredHandle || documentedTypes().count(t.name);
}

TypedefForms typedefForms(const Typedef& t, const Typedef* t64, const TypeNames& names) {
    auto documented = documentedTypes().find(t.name);
    const bool tchar = documented != documentedTypes().end() && documented->second == "tchar";
    const CType& type = *t.type;
    if (type.kind != Kind::Integer && type.kind != Kind::Real && type.kind != Kind::Pointer)
        return {};
    const CType& type64 = t64 ? *t64->type : type;
    const Spelled vb = basic(type, names, VbDialect::Vb6),
                  vba = basic(type64, names, VbDialect::Vba64), cs = csharp(type, names, tchar);
    TypedefForms out;
    out.vb = say(Phrase::TypedefVbForm, {t.name, vb.param, vb.result});
    out.vba64 = say(Phrase::TypedefVbForm, {t.name, vba.param, vba.result});
    out.csharp = say(Phrase::TypedefCsForm, {t.name, cs.param, cs.result});
    const std::string sizes =
        t64 ? say(Phrase::Sizes, {std::to_string(type.size), std::to_string(type64.size)})
            : say(Phrase::Size32, {std::to_string(type.size)});
    out.explain = say(Phrase::TypedefOf, {t.name, sdkSpelling(t.definition), sdkHeader(t.header),
                                          kindOf(type), sizes}) +
                  say(Phrase::TypedefPassed,
                      {vb.param, vba.param, cs.param, vb.result, vba.result, cs.result});
    if (tchar) out.explain += say(Phrase::TypedefTchar);
    return out;
}

}  // namespace tolvane::gen
