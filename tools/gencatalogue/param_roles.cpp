#include "param_roles.h"

#include "c_types.h"
#include "facts.h"

namespace tolvane::gen {

namespace {

// The structure a parameter points to, "" for anything else.
std::string pointee(const Param& p) {
    const CType& t = *p.type;
    if (t.kind != Kind::Pointer || !t.target || t.target->kind != Kind::Record) return {};
    return t.target->record;
}

}  // namespace

Function withRoles(Function f, const std::string& name) {
    for (Param& p : f.params) {
        const bool pointer = p.type->kind == Kind::Pointer || p.type->kind == Kind::Array;
        if (!pointer || isCallback(*p.type) || isHandle(*p.type)) continue;
        const std::string record = pointee(p);
        if (parameterFact(name, p.name, "owned") ||
            (!record.empty() && structureFact(record, "owned"))) {
            p.role = Role::Owned;
        } else if (parameterFact(name, p.name, "address") ||
                   (!p.type->names.empty() &&
                    parameterFact(name, "type:" + p.type->names.front(), "address"))) {
            p.role = Role::Address;
        } else if (const std::string size = parameterDetail(name, p.name, "sized"); !size.empty()) {
            p.role = Role::Sized;
            const size_t comma = size.find(',');
            p.sizeIn = size.substr(0, comma);
            p.sizeNeeded = comma == std::string::npos ? p.sizeIn : size.substr(comma + 1);
        } else if (parameterFact(name, p.name, "optional") ||
                   (!record.empty() && structureFact(record, "optional"))) {
            p.role = Role::Optional;
        }
    }
    return f;
}

}  // namespace tolvane::gen
