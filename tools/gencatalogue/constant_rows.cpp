// The constant rows (macros and enumerators) and the type rows of the named
// enumerations that hold them.
#include <map>
#include <set>

#include "availability.h"
#include "catalogue_builder.h"
#include "cs_map.h"
#include "enum_forms.h"
#include "explain_text.h"
#include "extra_records.h"
#include "facts.h"
#include "text.h"
#include "vb_map.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

// The Unicode constant a TCHAR constant stands for in Unicode builds
// (__MINGW_NAME_AW(X) is XA or XW, __MINGW_NAME_UAW(X) X_A or X_W), "" for
// others.
std::string unicodeTwin(const Constant& c) {
    if (c.body == "__MINGW_NAME_AW(" + c.name + ")" || c.body == c.name + "A") return c.name + "W";
    if (c.body == "__MINGW_NAME_UAW(" + c.name + ")") return c.name + "_W";
    return {};
}

}  // namespace

// A TCHAR constant (LVM_INSERTITEM defined as LVM_INSERTITEMA) takes the
// ANSI value in VB, which calls the A exports, and the Unicode value in
// C#, whose CharSet.Auto is Unicode.
void CatalogueBuilder::addConstants() {
    std::map<std::string, const Constant*> byName, byName64;
    for (const Constant& c : decls_.constants) byName.emplace(c.name, &c);
    for (const Constant& c : decls_.constants64) byName64.emplace(c.name, &c);
    for (const auto& [name, declared] : byName) {
        // C runtime names (_HEX, _ALPHA: reserved to the implementation)
        // and mingw-w64's own macros are no API constants.
        if (leftOutConstant(name, declared->header) || mingwOwnHeader(declared->header)) continue;
        Constant shown = *declared;
        shown.header = sdkHeader(declared->header);
        const Constant* c = &shown;
        Row row;
        row.name = c->name;
        row.cls = 0;
        setAvailability(row, c->name);
        row.declare = vbConst(*c);
        // 64-bit VBA takes the value a 64-bit process sees (sizes and
        // pointer-sized values may differ).
        auto c64 = byName64.find(c->name);
        const Constant& value64 = c64 == byName64.end() ? *c : *c64->second;
        row.vba64 = vbConst(value64, VbDialect::Vba64);
        const int level = headerLevel(availability_, c->name);
        row.explain = constantExplain(*c, nullptr, {}, level);
        auto wide = byName.find(unicodeTwin(*c));
        if (wide != byName.end()) {
            Constant unicode = *wide->second;
            unicode.name = c->name;
            row.csharp = csConst(unicode);
            const std::string ansi = wide->first.substr(0, wide->first.size() - 1) + "A";
            row.explain = constantExplain(*c, wide->second, ansi, level);
        } else {
            row.csharp = csConst(*c);
        }
        if (value64.value != c->value)
            row.explain += say(Phrase::ValueOn64Bits, {std::to_string(value64.value)});
        if (!c->enumeration.empty()) row.explain += say(Phrase::EnumeratorOf, {c->enumeration});
        if (const std::string other = vbClashOf(c->name, false); !other.empty())
            row.explain += say(Phrase::RenamedForCase, {vbConstName(c->name), other});
        row.other = sdkSpelling(c->body);
        out_.rows.push_back(std::move(row));
    }
}

// A named enumeration gets a type record holding its enumerators, unless
// another record has its name (VB ignores case).
void CatalogueBuilder::addEnumerations() {
    std::set<std::string> taken, constants;
    for (const Row& r : out_.rows) {
        taken.insert(lower(r.name));
        if (r.cls == 0) constants.insert(r.name);
    }
    std::map<std::string, const Constant*> byName;
    for (const Constant& c : decls_.constants) byName.emplace(c.name, &c);
    for (const Enumeration& e : decls_.enumerations) {
        if (e.name.starts_with("_") || mingwOwnHeader(e.header) ||
            !taken.insert(lower(e.name)).second)
            continue;
        std::vector<const Constant*> members;
        for (const std::string& m : e.members)
            if (constants.count(m) && byName.at(m)->enumeration == e.name)
                members.push_back(byName.at(m));
        const EnumForms forms = enumForms(e, members);
        if (!forms.vb.empty()) addFormsRow(e.name, forms, e.name);
    }
}

}  // namespace tolvane::gen
