#include "catalogue.h"

#include <algorithm>
#include <tuple>

#include "c_types.h"
#include "catalogue_builder.h"
#include "extra_records.h"
#include "facts.h"
#include "type_names.h"
#include "vb_map.h"

namespace tolvane::gen {

std::string pairGeneric(const std::string& ansiName, const std::set<std::string>& names) {
    if (ansiName.size() < 2 || ansiName.back() != 'A' || !names.count(ansiName)) return {};
    std::string generic = ansiName.substr(0, ansiName.size() - 1);
    if (!names.count(generic + "W") || names.count(generic)) return {};
    return generic;
}

Catalogue CatalogueBuilder::run() {
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

bool CatalogueBuilder::available(const std::set<std::string>& level, const std::string& a,
                                 const std::string& b) const {
    return level.count(a) || (!b.empty() && level.count(b));
}

void CatalogueBuilder::setAvailability(Row& row, const std::string& a, const std::string& b) const {
    row.win95 = yesNo(available(availability_.win95, a, b));
    row.winnt = yesNo(available(availability_.winnt, a, b));
}

// Notes the structures a catalogued function takes directly: by value, or
// by a pointer to the caller's own (not a byte buffer, not the API's).
void CatalogueBuilder::noteTaken(const Function& f) {
    for (const Param& p : f.params) {
        const CType& t = *p.type;
        if (p.role != Role::Plain && p.role != Role::Optional) continue;
        const bool pointer = t.kind == Kind::Pointer || t.kind == Kind::Array;
        if (pointer && t.target && t.target->kind == Kind::Record && !passedByPointer(*t.target))
            taken_.insert(t.target->body.get());
        if (t.kind == Kind::Record) taken_.insert(t.body.get());
    }
}

// The structures whose text members stay pointers: those a callee keeps,
// and those no catalogued function takes directly, nor inside one it takes
// by value. VB and the marshaller convert the texts only of what a
// function takes directly.
void CatalogueBuilder::keepTextPointers() {
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
void CatalogueBuilder::reserveNames() const {
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
void CatalogueBuilder::nameTypes() {
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

Catalogue buildCatalogue(const Declarations& d, const ExportIndex& exports,
                         const Availability& availability,
                         const std::vector<LayoutException>& exceptions,
                         const ExportDetails& details) {
    return CatalogueBuilder(d, exports, availability, exceptions, details).run();
}

}  // namespace tolvane::gen
