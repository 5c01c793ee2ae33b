#include "catalogue.h"

#include <algorithm>
#include <tuple>

#include "availability.h"
#include "c_types.h"
#include "categories.h"
#include "cs_map.h"
#include "dll_choice.h"
#include "enum_forms.h"
#include "error_report.h"
#include "explain_text.h"
#include "extra_records.h"
#include "facts.h"
#include "layout.h"
#include "param_names.h"
#include "param_roles.h"
#include "sample_code.h"
#include "text.h"
#include "type_names.h"
#include "typedef_forms.h"
#include "vb_map.h"
#include "vb_type.h"
#include "wording.h"

namespace tolvane::gen {

std::string pairGeneric(const std::string& ansiName, const std::set<std::string>& names) {
    if (ansiName.size() < 2 || ansiName.back() != 'A' || !names.count(ansiName)) return {};
    std::string generic = ansiName.substr(0, ansiName.size() - 1);
    if (!names.count(generic + "W") || names.count(generic)) return {};
    return generic;
}

namespace {

std::string yesNo(bool b) { return b ? "Yes" : "No"; }

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

// The Unicode constant a TCHAR constant stands for in Unicode builds
// (__MINGW_NAME_AW(X) is XA or XW, __MINGW_NAME_UAW(X) X_A or X_W), "" for
// others.
std::string unicodeTwin(const Constant& c) {
    if (c.body == "__MINGW_NAME_AW(" + c.name + ")" || c.body == c.name + "A") return c.name + "W";
    if (c.body == "__MINGW_NAME_UAW(" + c.name + ")") return c.name + "_W";
    return {};
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

std::vector<CTypePtr> memberTypes(const Record& r) {
    std::vector<CTypePtr> out;
    for (const Member& m : sequentialMembers(r)) out.push_back(m.type);
    return out;
}

class Builder {
public:
    Builder(const Declarations& d, const ExportIndex& e, const Availability& a,
            const std::vector<LayoutException>& x, const ExportDetails& details)
        : decls_(d), exports_(e), availability_(a), exceptions_(x), details_(details) {}

    Catalogue run() {
        for (const auto& [name, dlls] : exports_)
            for (const std::string& d : dlls) ++sizes_[d];
        nameTypes();
        reserveNames();
        addFunctions();
        keepTextPointers();
        addTypeRows();
        addConstants();
        addEnumerations();
        addAliases();
        addTypedefs();
        std::sort(out_.rows.begin(), out_.rows.end(), [](const Row& a, const Row& b) {
            return std::tie(a.name, a.cls, a.libsclass) < std::tie(b.name, b.cls, b.libsclass);
        });
        return std::move(out_);
    }

private:
    bool available(const std::set<std::string>& level, const std::string& a,
                   const std::string& b = {}) const {
        return level.count(a) || (!b.empty() && level.count(b));
    }

    void setAvailability(Row& row, const std::string& a, const std::string& b = {}) const {
        row.win95 = yesNo(available(availability_.win95, a, b));
        row.winnt = yesNo(available(availability_.winnt, a, b));
    }

    // Notes the structures a catalogued function takes directly: by value, or
    // by a pointer to the caller's own (not a byte buffer, not the API's).
    void noteTaken(const Function& f) {
        for (const Param& p : f.params) {
            const CType& t = *p.type;
            if (p.role != Role::Plain && p.role != Role::Optional) continue;
            const bool pointer = t.kind == Kind::Pointer || t.kind == Kind::Array;
            if (pointer && t.target && t.target->kind == Kind::Record &&
                !passedByPointer(*t.target))
                taken_.insert(t.target->body.get());
            if (t.kind == Kind::Record) taken_.insert(t.body.get());
        }
    }

    // The structures whose text members stay pointers: those a callee keeps,
    // and those no catalogued function takes directly, nor inside one it takes
    // by value. VB and the marshaller convert the texts only of what a
    // function takes directly.
    void keepTextPointers() {
        std::set<std::string> direct;
        std::vector<const Record*> pending(taken_.begin(), taken_.end());
        while (!pending.empty()) {
            const Record* r = pending.back();
            pending.pop_back();
            if (!r || !direct.insert(r->name).second) continue;
            for (const Field& field : r->fields) {
                long long count = 0;
                const CType& t = arrayElement(*field.type, count);
                if (t.kind == Kind::Record) pending.push_back(t.body.get());
            }
        }
        for (const auto& r : decls_.records)
            if (!direct.count(r->name)) names_.keepPointers(r->name);
    }

    // The names of the functions (a pair's generic name) and Types that VB
    // Types and constants must keep clear of.
    void reserveNames() const {
        std::set<std::string> functions, all, types;
        for (const Function& f : decls_.functions)
            if (exports_.count(f.name) || !f.dll.empty()) all.insert(f.name);
        for (const std::string& f : all) {
            const std::string generic = pairGeneric(f, all);
            functions.insert(generic.empty() ? f : generic);
        }
        for (const auto& [c, name] : typeName_) types.insert(name);
        reserveVbNames(functions, types);
    }

    // Structures: an ANSI/Unicode pair becomes one Type under the generic name.
    void nameTypes() {
        auto& byName = byName_;
        for (const auto& r : decls_.records) {
            if (r->name.empty() || r->name[0] == '_' || r->name.ends_with("Vtbl") ||
                r->fields.empty() || mingwOwnHeader(r->header))
                continue;
            if (isInterfaceStub(*r))
                ++out_.skipped.interfaceStubs;
            else if (isHandleDummy(*r))
                ++out_.skipped.handleDummies;
            else
                byName.emplace(r->name, r.get());
        }
        std::set<std::string> all;
        for (const auto& [name, r] : byName) all.insert(name);
        auto& wideOf = wideOf_;
        auto& typeName = typeName_;
        for (const auto& [name, r] : byName) {
            const std::string generic = pairGeneric(name, all);
            if (generic.empty()) {
                if (!names_.contains(name))
                    names_.add(name, typeName[name] = documentedTypeName(name, all));
                continue;
            }
            typeName[generic] = documentedTypeName(generic, all);
            names_.add(name, typeName[generic], Half::Ansi);
            names_.add(generic + "W", typeName[generic], Half::Unicode);
            wideOf[name] = generic + "W";
        }
        for (const auto& [name, r] : byName) {
            if (structureFact(name, "kept") || structureFact(name, "kept-pointers"))
                names_.keepPointers(name);
            names_.like32(name, r);
        }
    }

    void addTypeRows() {
        for (const auto& [name, r] : byName_) {
            auto wide = wideOf_.find(name);
            const bool pair = wide != wideOf_.end();
            if (!pair && name.back() == 'W' && wideOf_.count(name.substr(0, name.size() - 1) + "A"))
                continue;  // the Unicode half of a pair
            addTypeRow(name, r, typeName_[pair ? wide->second.substr(0, name.size() - 1) : name]);
        }
    }

    // A typedef naming a catalogued structure otherwise (CLSID, DATA_BLOB)
    // gets the structure's forms under its own name, unless another record
    // has that name (VB ignores case).
    void addAliases() {
        std::set<std::string> taken;
        for (const Row& r : out_.rows) taken.insert(lower(r.name));
        for (const Alias& a : decls_.aliases) {
            auto r = byName_.find(a.target);
            if (r == byName_.end() || wideOf_.count(a.target) || a.name.starts_with("_") ||
                mingwOwnHeader(a.header) || !taken.insert(lower(a.name)).second)
                continue;
            if (a.target.back() == 'W' &&
                wideOf_.count(a.target.substr(0, a.target.size() - 1) + "A"))
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
    void addTypedefs() {
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
            addFormsRow(
                t.name, forms,
                sdkSpelling("typedef " + t.definition + (pointer ? "" : " ") + t.name + ";"));
            out_.layouts.push_back({t.name, "value32", t.type->size, {}});
            if (wide64) out_.layouts.push_back({t.name, "value64", wide64->type->size, {}});
        }
    }

    Row& addTypeRow(const std::string& name, const Record* r, const std::string& rowName) {
        const auto& byName = byName_;
        const auto& wideOf = wideOf_;
        auto wide = wideOf.find(name);
        const bool pair = wide != wideOf.end();
        {
            Row row;
            row.name = rowName;
            row.cls = -1;
            setAvailability(row, name, pair ? wide->second : std::string());
            // VB6 calls the ANSI exports; CharSet.Auto is Unicode wherever .NET
            // runs on Windows, so the C# struct has the Unicode members.
            const std::string csName = pair ? wide->second : name;
            const Record& cs = pair ? *byName.at(csName) : *r;
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
            row.explain =
                say(Phrase::TypeDeclaredIn,
                    {say(r->isUnion ? Phrase::Union : Phrase::Structure), sdkHeader(r->header)});
            if (pair) {
                row.othername = name + " " + wide->second;
                row.explain += say(Phrase::FullStop) +
                               say(Phrase::PairHalves, {name,
                                                        sizes(*r, ansi64 == decls_.records64.end()
                                                                      ? nullptr
                                                                      : ansi64->second.get()),
                                                        wide->second, sizes(cs, cs64)});
            } else {
                row.explain += say(Phrase::Comma) + sizes(*r, cs64) + say(Phrase::FullStop);
            }
            // A hand-made Type (POINTAPI) is declared at the levels of what it equals.
            const std::string declared = r->sameAs.empty() ? name : r->sameAs;
            row.explain += versionNote(
                headerLevel(availability_, declared, pair ? wide->second : std::string()));
            if (!r->sameAs.empty()) row.explain += say(Phrase::SameAs, {r->sameAs});
            if (const std::string vb = vbIdentifier(row.name, 0); vb != row.name)
                row.explain += say(Phrase::RenamedForVb, {vb, row.name});
            if (const std::string other = vbClashOf(row.name, true); !other.empty())
                row.explain += say(Phrase::RenamedForCase, {vbTypeName(row.name), other});
            row.explain += exceptionNote(exceptions_, row.name);
            row.explain += longerNote(*r, VbDialect::Vb6);
            addVba64Type(row, *r);
            row.other = name;
            out_.rows.push_back(std::move(row));
        }
        return out_.rows.back();
    }

    // The 64-bit VBA Type, laid out from the structure's 64-bit form (the
    // ANSI one of a pair, as in VB). A structure the 64-bit headers do not
    // define (FLOATING_SAVE_AREA, x86 only) is written from its 32-bit form.
    void addVba64Type(Row& row, const Record& r32) {
        auto r64 = decls_.records64.find(r32.name);
        const bool only32 = r64 == decls_.records64.end();
        const Record& r = only32 ? r32 : *r64->second;
        row.vba64 = vbTypeBlock(row.name, r, names_, VbDialect::Vba64);
        out_.layouts.push_back(cLayout(row.name, "vba64", r, &r32));
        if (only32) row.explain += say(Phrase::No64BitStructure);
        if (!only32 && r.name != r32.name)
            row.explain += say(Phrase::OtherStructureOn64Bits, {r32.name, r.name});
        row.explain += longerNote(r, VbDialect::Vba64);
    }

    // "32 位下 N 字节，64 位下 M 字节" of a structure and its 64-bit layout.
    static std::string sizes(const Record& r32, const Record* r64) {
        return r64 ? say(Phrase::Sizes, {std::to_string(r32.size), std::to_string(r64->size)})
                   : say(Phrase::Size32, {std::to_string(r32.size)});
    }

    // What explain says of a Type that VB makes longer than C's structure.
    std::string longerNote(const Record& r, VbDialect dialect) const {
        const VbType type = vbTypeLayout(r, names_, dialect);
        if (type.size <= r.size) return {};
        return say(Phrase::TypeLonger,
                   {dialect == VbDialect::Vba64 ? say(Phrase::LayoutOfVba64Form)
                                                : say(Phrase::LayoutOfVbForm),
                    std::to_string(type.size), std::to_string(r.size), std::to_string(type.align)});
    }

    std::vector<std::string> exportersOf(const std::string& name) const {
        auto it = exports_.find(name);
        return it == exports_.end() ? std::vector<std::string>() : it->second;
    }

    void addFunctions() {
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

    void addFunction(const std::string& name, const Function& declared,
                     const Function* wideDeclared, const std::map<std::string, int>& counts) {
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
        row.csharp =
            csForm({name, dll, lastError, ""}, f, csSource, wide != nullptr, names_, sides);
        if (row.declare.empty() || row.csharp.empty()) {
            ++out_.skipped.inexpressible;
            return;
        }
        noteTaken(f);
        if (wide) noteTaken(*wide);
        row.explain = functionExplain({header, dll, f.name, wide ? wide->name : std::string(),
                                       f.cdecl_, support, error, f.result.get()});
        row.explain += roleNotes(f, row.csharp.find("\r\n[DllImport") != std::string::npos);
        if (wide) row.othername = f.name + " " + wide->name;
        row.exports = {f.exportName.empty() ? f.name : f.exportName};
        if (wide) row.exports.push_back(wide->name);
        row.explain += placementNote(f, wide, dll);
        if (const std::string others = handOtherNames(f, wide); !others.empty())
            row.othername = others;
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
        row.returned = say(
            Phrase::Returned,
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

    // A TCHAR constant (LVM_INSERTITEM defined as LVM_INSERTITEMA) takes the
    // ANSI value in VB, which calls the A exports, and the Unicode value in
    // C#, whose CharSet.Auto is Unicode.
    void addConstants() {
        std::map<std::string, const Constant*> byName, byName64;
        for (const Constant& c : decls_.constants) byName.emplace(c.name, &c);
        for (const Constant& c : decls_.constants64) byName64.emplace(c.name, &c);
        for (const auto& [name, declared] : byName) {
            // C runtime names (_HEX, _ALPHA: reserved to the implementation)
            // and mingw-w64's own macros are no API constants.
            if (leftOutConstant(name, declared->header) || mingwOwnHeader(declared->header))
                continue;
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
    void addEnumerations() {
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

    // A type record of an enumeration or a data type, from its forms.
    template <typename Forms>
    void addFormsRow(const std::string& name, const Forms& forms, const std::string& other) {
        Row row;
        row.name = name;
        row.cls = -1;
        setAvailability(row, name);
        row.declare = forms.vb;
        row.vba64 = forms.vba64;
        row.csharp = forms.csharp;
        row.explain = forms.explain + versionNote(headerLevel(availability_, name));
        row.other = other;
        out_.rows.push_back(std::move(row));
    }

    const Declarations& decls_;
    const ExportIndex& exports_;
    const Availability& availability_;
    const std::vector<LayoutException>& exceptions_;
    const ExportDetails& details_;
    std::vector<Function> classic_;  // psapi.dll's classic names
    // The structures to catalogue by C name, the Unicode half of each pair
    // by its ANSI one, the catalogue name by C name (or pair's generic name).
    std::map<std::string, const Record*> byName_;
    std::map<std::string, std::string> wideOf_, typeName_;
    std::set<const Record*> taken_;  // taken directly by a catalogued function
    TypeNames names_;
    std::map<std::string, int> sizes_;  // functions each DLL exports
    Catalogue out_;
};

}  // namespace

Catalogue buildCatalogue(const Declarations& d, const ExportIndex& exports,
                         const Availability& availability,
                         const std::vector<LayoutException>& exceptions,
                         const ExportDetails& details) {
    return Builder(d, exports, availability, exceptions, details).run();
}

}  // namespace tolvane::gen
