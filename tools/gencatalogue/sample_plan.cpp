#include "sample_plan.h"

#include <algorithm>

#include "c_types.h"
#include "facts.h"
#include "layout.h"
#include "text.h"

namespace tolvane::gen {

namespace {

bool isLengthName(const std::string& name) {
    const std::string n = lower(name);
    for (const char* word : {"size", "len", "max", "count", "cch", "bytes"})
        if (n.find(word) != std::string::npos) return true;
    return n.starts_with("cb") || n.starts_with("pcb") || n.starts_with("lpcb");
}

bool isOutputText(const Param& p) {
    const CType& t = *p.type;
    return stringKind(t) != CharKind::None && !isCallback(t) && t.target && !t.target->isConst &&
           !isBinaryBuffer(p) && !isBstr(t);
}

// A pointer to bytes the callee writes: LPBYTE, void *, and the char
// buffers that carry bytes (recv's buf).
bool isOutputBytes(const Param& p) {
    const CType& t = *p.type;
    if (t.kind != Kind::Pointer || !t.target || t.target->isConst) return false;
    if (t.target->kind == Kind::Void) return true;
    return t.target->kind == Kind::Integer && t.target->size == 1 &&
           (charKind(*t.target) == CharKind::None || isBinaryBuffer(p));
}

const Record* structureOf(const Param& p) {
    const CType& t = *p.type;
    if (t.kind != Kind::Pointer || !t.target || t.target->kind != Kind::Record || !t.target->body ||
        isHandle(t) || isInt64(*t.target))
        return nullptr;
    return t.target->body.get();
}

int indexOf(const Function& f, const std::string& name) {
    for (size_t i = 0; i < f.params.size(); ++i)
        if (f.params[i].name == name) return static_cast<int>(i);
    return -1;
}

// A pointer to void: what it points to, and how much of it, the C type
// does not say.
bool isGeneric(const Param& p) {
    const CType& t = *p.type;
    return t.kind == Kind::Pointer && t.target && t.target->kind == Kind::Void && !isCallback(t) &&
           !isHandle(t);
}

bool isInteger(const Param& p) { return p.type->kind == Kind::Integer && !isBool(*p.type); }

}  // namespace

bool isSizeMember(const Field& first) {
    static const std::vector<std::string> names = everyStructure("size-member");
    return std::find(names.begin(), names.end(), first.name) != names.end() &&
           first.type->kind == Kind::Integer && first.bitWidth < 0 && !isBool(*first.type);
}

int lengthPartner(const Function& f, int index) {
    for (int j : {index + 1, index - 1}) {
        if (j < 0 || j >= static_cast<int>(f.params.size())) continue;
        const Param& p = f.params[j];
        const CType& t = *p.type;
        const CType* value = t.kind == Kind::Pointer && t.target ? t.target.get() : &t;
        if (value->kind == Kind::Integer && !isBool(*value) && charKind(*value) == CharKind::None &&
            p.role == Role::Plain && isLengthName(p.name))
            return j;
    }
    return -1;
}

std::vector<std::pair<int, int>> memberBuffers(const Record& r) {
    const std::vector<Member> members = sequentialMembers(r);
    std::vector<std::pair<int, int>> out;
    for (size_t i = 0; i + 1 < members.size(); ++i) {
        const CType& text = *members[i].type;
        const Member& length = members[i + 1];
        if (text.kind == Kind::Pointer && stringKind(text) != CharKind::None && text.target &&
            !text.target->isConst && length.type->kind == Kind::Integer &&
            (length.name.starts_with("nMax") || length.name.starts_with("cch")))
            out.emplace_back(static_cast<int>(i), static_cast<int>(i + 1));
    }
    return out;
}

SamplePlan planSample(const Function& f, const std::string& name) {
    SamplePlan plan{std::vector<ParamPlan>(f.params.size()), {}};
    auto& ps = plan.params;
    for (size_t i = 0; i < f.params.size(); ++i) {
        const Param& p = f.params[i];
        ParamPlan& use = ps[i];
        switch (p.role) {
        case Role::Optional:
            use.use = stringKind(*p.type) != CharKind::None ? Use::NullString : Use::Null;
            continue;
        case Role::Sized:
            use.use = Use::SizedBuffer;
            use.sizeIn = indexOf(f, p.sizeIn);
            use.sizeNeeded = p.sizeNeeded == "result" ? kResultGivesSize : indexOf(f, p.sizeNeeded);
            plan.sized.push_back(static_cast<int>(i));
            continue;
        case Role::Address:
        case Role::Owned: continue;
        case Role::Plain: break;
        }
        if (ps[i].use != Use::Variable) continue;  // already a length or a size
        if (std::string text = parameterDetail(name, p.name, "sample"); !text.empty()) {
            use.use = Use::Text;
            use.text = std::move(text);
            continue;
        }
        if (isOutputText(p) || isOutputBytes(p)) {
            const int partner = lengthPartner(f, static_cast<int>(i));
            if (partner < 0 || ps[partner].use != Use::Variable) {
                if (isGeneric(p) && partner < 0) use.use = Use::Null;
                continue;
            }
            use = {isOutputText(p) ? Use::TextBuffer : Use::ByteBuffer, partner};
            ps[partner] = {Use::LengthOf, static_cast<int>(i)};
            continue;
        }
        // What a generic pointer must point to depends on other arguments
        // (SystemParametersInfo's pvParam on uiAction): NULL is the call that
        // is well formed whatever they are, unless a length beside it says
        // how much it reaches (zero in a sample).
        if (isGeneric(p) && lengthPartner(f, static_cast<int>(i)) < 0) {
            use.use = Use::Null;
            continue;
        }
        use.record = structureOf(p);
        // A structure's size given beside it (GetModuleInformation's cb).
        if (use.record && i + 1 < f.params.size() && isInteger(f.params[i + 1]) &&
            f.params[i + 1].role == Role::Plain && f.params[i + 1].name.starts_with("cb") &&
            ps[i + 1].use == Use::Variable)
            ps[i + 1] = {Use::SizeOf, static_cast<int>(i)};
    }
    return plan;
}

}  // namespace tolvane::gen
