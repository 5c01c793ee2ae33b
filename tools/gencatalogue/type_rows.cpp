// The type rows: structures and unions (a pair as one Type), the typedefs
// that name them otherwise, and the scalar, pointer and handle typedefs.
#include <set>

#include "availability.h"
#include "catalogue_builder.h"
#include "cs_map.h"
#include "cs_pack.h"
#include "explain_text.h"
#include "facts.h"
#include "layout.h"
#include "text.h"
#include "typedef_forms.h"
#include "vb_map.h"
#include "vb_type.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

std::vector<CTypePtr> memberTypes(const Record& r) {
    std::vector<CTypePtr> out;
    for (const Member& m : sequentialMembers(r)) out.push_back(m.type);
    return out;
}

// "32 位下 N 字节，64 位下 M 字节" of a structure and its 64-bit layout.
std::string sizes(const Record& r32, const Record* r64) {
    return r64 ? say(Phrase::Sizes, {std::to_string(r32.size), std::to_string(r64->size)})
               : say(Phrase::Size32, {std::to_string(r32.size)});
}

// What explain says of a Type that VB makes longer than C's structure.
std::string longerNote(const Record& r, const TypeNames& names, VbDialect dialect) {
    const VbType type = vbTypeLayout(r, names, dialect);
    if (type.size <= r.size) return {};
    return say(
        Phrase::TypeLonger,
        {dialect == VbDialect::Vba64 ? say(Phrase::LayoutOfVba64Form) : say(Phrase::LayoutOfVbForm),
         std::to_string(type.size), std::to_string(r.size), std::to_string(type.align)});
}

}  // namespace

void CatalogueBuilder::addTypeRows() {
    for (const auto& [name, r] : byName_) {
        auto wide = wideOf_.find(name);
        const bool pair = wide != wideOf_.end();
        if (!pair && name.back() == 'W' && wideOf_.count(name.substr(0, name.size() - 1) + "A"))
            continue;  // the Unicode half of a pair
        addTypeRow(name, r, typeName_[pair ? wide->second.substr(0, name.size() - 1) : name]);
    }
}

Row& CatalogueBuilder::addTypeRow(const std::string& name, const Record* r,
                                  const std::string& rowName) {
    auto wide = wideOf_.find(name);
    const bool pair = wide != wideOf_.end();
    Row row;
    row.name = rowName;
    row.cls = -1;
    setAvailability(row, name, pair ? wide->second : std::string());
    // VB6 calls the ANSI exports; CharSet.Auto is Unicode wherever .NET
    // runs on Windows, so the C# struct has the Unicode members.
    const std::string csName = pair ? wide->second : name;
    const Record& cs = pair ? *byName_.at(csName) : *r;
    const std::vector<CTypePtr> ansi = memberTypes(*r);
    std::vector<CTypePtr> unicode;
    if (pair) unicode = memberTypes(cs);
    const StringSides sides = stringSides(ansi, pair ? &unicode : nullptr);
    auto r64 = decls_.records64.find(csName);
    const Record* cs64 = r64 == decls_.records64.end() ? nullptr : r64->second.get();
    row.declare = vbTypeBlock(row.name, *r, names_);
    row.csharp = csStruct(row.name, cs, names_, sides, choosePack(cs, cs64));
    out_.layouts.push_back(cLayout(row.name, "vb32", *r));
    out_.layouts.push_back(cLayout(row.name, "cs32", cs));
    if (cs64) out_.layouts.push_back(cLayout(row.name, "cs64", *cs64));
    // The sizes of what each form declares: a pair's VB and 64-bit VBA
    // Types are its ANSI structure, its C# struct the Unicode one.
    auto ansi64 = decls_.records64.find(name);
    row.explain = say(Phrase::TypeDeclaredIn,
                      {say(r->isUnion ? Phrase::Union : Phrase::Structure), sdkHeader(r->header)});
    if (pair) {
        row.othername = name + " " + wide->second;
        row.explain +=
            say(Phrase::FullStop) +
            say(Phrase::PairHalves,
                {name, sizes(*r, ansi64 == decls_.records64.end() ? nullptr : ansi64->second.get()),
                 wide->second, sizes(cs, cs64)});
    } else {
        row.explain += say(Phrase::Comma) + sizes(*r, cs64) + say(Phrase::FullStop);
    }
    // A hand-made Type (POINTAPI) is declared at the levels of what it equals.
    const std::string declared = r->sameAs.empty() ? name : r->sameAs;
    row.explain +=
        versionNote(headerLevel(availability_, declared, pair ? wide->second : std::string()));
    if (!r->sameAs.empty()) row.explain += say(Phrase::SameAs, {r->sameAs});
    if (const std::string vb = vbIdentifier(row.name, 0); vb != row.name)
        row.explain += say(Phrase::RenamedForVb, {vb, row.name});
    if (const std::string other = vbClashOf(row.name, true); !other.empty())
        row.explain += say(Phrase::RenamedForCase, {vbTypeName(row.name), other});
    row.explain += exceptionNote(exceptions_, row.name);
    row.explain += longerNote(*r, names_, VbDialect::Vb6);
    addVba64Type(row, *r);
    row.other = name;
    out_.rows.push_back(std::move(row));
    return out_.rows.back();
}

// The 64-bit VBA Type, laid out from the structure's 64-bit form (the
// ANSI one of a pair, as in VB). A structure the 64-bit headers do not
// define (FLOATING_SAVE_AREA, x86 only) is written from its 32-bit form.
void CatalogueBuilder::addVba64Type(Row& row, const Record& r32) {
    auto r64 = decls_.records64.find(r32.name);
    const bool only32 = r64 == decls_.records64.end();
    const Record& r = only32 ? r32 : *r64->second;
    row.vba64 = vbTypeBlock(row.name, r, names_, VbDialect::Vba64);
    out_.layouts.push_back(cLayout(row.name, "vba64", r, &r32));
    if (only32) row.explain += say(Phrase::No64BitStructure);
    if (!only32 && r.name != r32.name)
        row.explain += say(Phrase::OtherStructureOn64Bits, {r32.name, r.name});
    row.explain += longerNote(r, names_, VbDialect::Vba64);
}

// A typedef naming a catalogued structure otherwise (CLSID, DATA_BLOB)
// gets the structure's forms under its own name, unless another record
// has that name (VB ignores case).
void CatalogueBuilder::addAliases() {
    std::set<std::string> taken;
    for (const Row& r : out_.rows) taken.insert(lower(r.name));
    for (const Alias& a : decls_.aliases) {
        auto r = byName_.find(a.target);
        if (r == byName_.end() || wideOf_.count(a.target) || a.name.starts_with("_") ||
            mingwOwnHeader(a.header) || !taken.insert(lower(a.name)).second)
            continue;
        if (a.target.back() == 'W' && wideOf_.count(a.target.substr(0, a.target.size() - 1) + "A"))
            continue;  // a name of a pair's Unicode half
        Row& row = addTypeRow(a.target, r->second, a.name);
        row.explain += say(Phrase::AliasOf, {a.name, typeName_[a.target], sdkHeader(a.header)});
    }
}

// A documented scalar, pointer or handle type (DWORD, LPCWSTR, HWND) gets
// a type record saying how each language declares it, unless another
// record has its name; its forms declare no VB name, so a name differing
// only in case (SOCKET beside socket) does not clash. Its sizes go to the
// layouts, so that the checks compare what the forms declare with C.
void CatalogueBuilder::addTypedefs() {
    std::set<std::string> taken;
    for (const Row& r : out_.rows) taken.insert(r.name);
    for (const Typedef& t : decls_.typedefs) {
        if (!cataloguedTypedef(t) || t.name.starts_with("_") || mingwOwnHeader(t.header) ||
            taken.count(t.name))
            continue;
        auto t64 = decls_.typedefs64.find(t.name);
        const Typedef* wide64 = t64 == decls_.typedefs64.end() ? nullptr : &t64->second;
        const TypedefForms forms = typedefForms(t, wide64, names_);
        if (forms.vb.empty()) continue;
        taken.insert(t.name);
        const bool pointer = t.definition.ends_with("*");
        addFormsRow(t.name, forms,
                    sdkSpelling("typedef " + t.definition + (pointer ? "" : " ") + t.name + ";"));
        out_.layouts.push_back({t.name, "value32", t.type->size, {}});
        if (wide64) out_.layouts.push_back({t.name, "value64", wide64->type->size, {}});
    }
}

}  // namespace tolvane::gen
