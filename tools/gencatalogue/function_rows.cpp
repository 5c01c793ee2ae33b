// The function rows: one row a function or ANSI/Unicode pair that an import
// library exports, with its VB, 64-bit VBA and C# declarations.
#include <map>
#include <set>

#include "availability.h"
#include "c_types.h"
#include "catalogue_builder.h"
#include "categories.h"
#include "cs_map.h"
#include "dll_choice.h"
#include "error_report.h"
#include "explain_text.h"
#include "extra_records.h"
#include "facts.h"
#include "layout.h"
#include "param_names.h"
#include "param_roles.h"
#include "sample_code.h"
#include "text.h"
#include "vb_map.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

// The name programs call a pair by: DnsQuery for DnsQuery_A and DnsQuery_W
// (the header's macro), unless a function has that name.
std::string documentedFunctionName(const std::string& generic, const std::set<std::string>& names) {
    if (generic.size() < 2 || generic.back() != '_') return generic;
    const std::string bare = generic.substr(0, generic.size() - 1);
    return names.count(bare) ? generic : bare;
}

// The direction the header states: a pointer to const is input only. The
// mingw-w64 headers carry no other parameter annotations.
std::string direction(const CType& t) {
    const bool pointer = t.kind == Kind::Pointer || t.kind == Kind::Array;
    return pointer && t.target && t.target->isConst && !isCallback(t) ? say(Phrase::InputMarker)
                                                                      : "";
}

std::string prototype(const Function& f) {
    std::vector<std::string> params;
    for (const Param& p : f.params)
        params.push_back(p.type->spelling + (p.name.empty() ? "" : " " + p.name));
    if (f.variadic) params.push_back("...");
    return f.result->spelling + (f.cdecl_ ? " __cdecl " : " WINAPI ") + f.name + "(" +
           join(params, ", ") + ")";
}

// A function that takes or returns text in Unicode only (not a pair).
bool unicodeOnly(const Function& f) {
    bool wide = stringKind(*f.result) == CharKind::Wide, narrow = false;
    for (const Param& p : f.params) {
        wide = wide || stringKind(*p.type) == CharKind::Wide;
        narrow = narrow || stringKind(*p.type) == CharKind::Narrow;
    }
    return wide && !narrow;
}

// The 64-bit prototype `f64` with the names and roles of the parameters of
// `f`, the same function as the 32-bit parse reads it, so that both Basic
// forms name the same parameters.
Function sameParameters(Function f64, const Function& f) {
    if (f64.params.size() != f.params.size()) return f;
    for (size_t i = 0; i < f.params.size(); ++i) {
        Param& p = f64.params[i];
        const Param& like = f.params[i];
        p.name = like.name, p.role = like.role, p.sizeIn = like.sizeIn,
        p.sizeNeeded = like.sizeNeeded;
    }
    return f64;
}

std::vector<CTypePtr> paramTypes(const Function& f) {
    std::vector<CTypePtr> out;
    for (const Param& p : f.params) out.push_back(p.type);
    return out;
}

}  // namespace

std::vector<std::string> CatalogueBuilder::exportersOf(const std::string& name) const {
    auto it = exports_.find(name);
    return it == exports_.end() ? std::vector<std::string>() : it->second;
}

void CatalogueBuilder::addFunctions() {
    std::map<std::string, const Function*> byName;
    classic_ = classicPsapiNames(decls_.functions, exports_);
    std::vector<const Function*> functions;
    for (const Function& f : decls_.functions) functions.push_back(&f);
    for (const Function& f : classic_) functions.push_back(&f);
    for (const Function* declared : functions) {
        const Function& f = *declared;
        if (const std::string rule = leftOutRule(f.name); !rule.empty()) {
            if (rule == "helper") ++out_.skipped.marshallingHelpers;
            continue;
        }
        if (!f.dll.empty()) {  // placed by hand or by the psapi rule
            checkPlacement(f, details_.anyKind);
            byName.emplace(f.name, &f);
            continue;
        }
        if (exportersOf(f.name).empty()) {
            ++out_.skipped.notExported;
            continue;
        }
        byName.emplace(f.name, &f);
    }
    // How many functions of each header every DLL exports.
    std::map<std::string, std::map<std::string, int>> headerCounts;
    for (const auto& [name, f] : byName)
        if (f->dll.empty())
            for (const std::string& dll : exportersOf(name)) ++headerCounts[f->header][dll];

    std::set<std::string> all;
    for (const auto& [name, f] : byName) all.insert(name);
    for (const auto& [name, f] : byName) {
        const std::string generic = pairGeneric(name, all);
        if (generic.empty() && name.back() == 'W' &&
            !pairGeneric(name.substr(0, name.size() - 1) + "A", all).empty())
            continue;  // the Unicode half of a pair
        const Function* wide = generic.empty() ? nullptr : byName.at(generic + "W");
        addFunction(generic.empty() ? name : documentedFunctionName(generic, all), *f, wide,
                    headerCounts[f->header]);
    }
}

void CatalogueBuilder::addFunction(const std::string& name, const Function& declared,
                                   const Function* wideDeclared,
                                   const std::map<std::string, int>& counts) {
    if (declared.variadic) {
        ++out_.skipped.variadic;
        return;
    }
    const Function f = withRoles(withParameterNames(declared, names_, name), name);
    const Function wideNamed =
        wideDeclared ? withRoles(withParameterNames(*wideDeclared, names_, name), name)
                     : Function();
    const Function* wide = wideDeclared ? &wideNamed : nullptr;
    const std::string chosen =
        f.dll.empty() ? chooseDll(exportersOf(f.name), counts, sizes_) : f.dll;
    if (chosen.empty()) {
        ++out_.skipped.excludedOnly;
        return;
    }
    const std::string dll = documentedDll(name, chosen);
    Row row;
    row.name = name;
    row.libsclass = libsclass(dll);
    if (mingwOwnHeader(f.header)) return;
    const std::string header = sdkHeader(f.header);
    row.cls = categoryOf(name, header, dll);
    const Support support = supportOf(
        availability_, dll, {name, f.name, wide ? wide->name : std::string(), unicodeOnly(f)});
    row.win95 = yesNo(support.win95);
    row.winnt = yesNo(support.winnt);
    const ErrorRule error = errorRuleOf(name, dll, f);
    row.declare = vbDeclare(name, vbExportOf(f), row.libsclass, f, names_);
    // 64-bit VBA declares the prototype and the export a 64-bit process
    // sees (GetWindowLongPtrA, not the GetWindowLongA it stands for in
    // 32-bit processes).
    auto f64 = decls_.functions64.find(f.name);
    // The 64-bit headers declare psapi.dll's classic names only as K32 functions.
    if (f64 == decls_.functions64.end() && f.dll == "psapi.dll")
        f64 = decls_.functions64.find("K32" + f.name);
    const bool has64 = f64 != decls_.functions64.end();
    const Function vba = has64 ? sameParameters(f64->second, f) : f;
    // A name the 64-bit headers make a macro for another function
    // (StackWalk: StackWalk64) calls that export there.
    const bool renamed64 = has64 && f64->second.name != f.name && f.dll.empty();
    row.vba64 = vbDeclare(name,
                          renamed64              ? f64->second.name
                          : f.exportName.empty() ? f.name
                                                 : f.exportName,
                          row.libsclass, vba, names_, VbDialect::Vba64);
    const std::vector<CTypePtr> ansi = paramTypes(f);
    std::vector<CTypePtr> unicode;
    if (wide) unicode = paramTypes(*wide);
    // CharSet.Auto binds the W export wherever .NET runs on Windows.
    const StringSides sides = stringSides(ansi, wide ? &unicode : nullptr);
    const Function& csSource = wide && sides.charSet == CharSet::Auto ? *wide : f;
    const bool lastError = setsLastError(f) || error.report == ErrorReport::LastError;
    row.csharp = csForm({name, dll, lastError, ""}, f, csSource, wide != nullptr, names_, sides);
    if (row.declare.empty() || row.csharp.empty()) {
        ++out_.skipped.inexpressible;
        return;
    }
    noteTaken(f);
    if (wide) noteTaken(*wide);
    row.explain = functionExplain({header, dll, f.name, wide ? wide->name : std::string(), f.cdecl_,
                                   support, error, f.result.get()});
    row.explain += roleNotes(f, row.csharp.find("\r\n[DllImport") != std::string::npos);
    if (wide) row.othername = f.name + " " + wide->name;
    row.exports = {f.exportName.empty() ? f.name : f.exportName};
    if (wide) row.exports.push_back(wide->name);
    row.explain += placementNote(f, wide, dll);
    if (const std::string others = handOtherNames(f, wide); !others.empty()) row.othername = others;
    if (f.only32) {
        // A Declare that 64-bit Office can never bind would only fail at its first call.
        row.vba64 = say(Phrase::No64BitExport, {dll, vbExportOf(f)});
    } else if (!has64) {
        row.explain += say(Phrase::No64BitPrototype);
    } else {
        if (renamed64) row.explain += say(Phrase::OtherFunctionOn64Bits, {f.name, vba.name});
        out_.layouts.push_back(x64Call(name, vba));
    }
    row.recode =
        sampleCode({name, f, vba, csSource, row.declare, row.vba64, row.csharp, error}, names_);
    std::vector<std::string> lines;
    for (size_t i = 0; i < f.params.size(); ++i) {
        const Param& p = f.params[i];
        lines.push_back(join(vbParams(p, static_cast<int>(i) + 1, names_), ", ") + "    ' " +
                        p.type->spelling + (p.name.empty() ? "" : " " + p.name) +
                        direction(*p.type) + roleMarker(p));
    }
    row.parameter = join(lines, kCrLf);
    const std::string vb = vbValueType(*f.result, names_, false);
    row.returned =
        say(Phrase::Returned,
            {vb.empty() ? say(Phrase::NoResult) : vb,
             stringKind(*f.result) != CharKind::None ? "IntPtr" : csValueType(*f.result, names_),
             f.result->spelling});
    row.other = prototype(f) + (wide ? kCrLf + prototype(*wide) : std::string());
    // The C texts as the SDK spells them (BOOL, not mingw-w64's WINBOOL).
    row.parameter = sdkSpelling(row.parameter);
    row.returned = sdkSpelling(row.returned);
    row.other = sdkSpelling(row.other);
    out_.rows.push_back(std::move(row));
}

}  // namespace tolvane::gen
