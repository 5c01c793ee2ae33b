#include "cs_pack.h"

#include <algorithm>

#include "layout.h"
#include "layout_rules.h"

namespace tolvane::gen {

namespace {

// The alignment the marshaller gives a member: a nested struct's is that of
// its members under its own Pack, not C's.
int marshalAlign(const CType& t) {
    if (t.kind == Kind::Array && t.target) return marshalAlign(*t.target);
    if (t.kind != Kind::Record || !t.body) return t.align;
    const Record& r = *t.body;
    const int pack = packOf(r);
    int align = 1;
    for (const Member& m : r.isUnion ? overlappingMembers(r) : sequentialMembers(r))
        align = std::max(align, std::min(marshalAlign(*m.type), pack ? pack : kMarshalDefaultPack));
    return align;
}

}  // namespace

bool fitsPack(const Record& r, int pack) {
    const int cap = pack ? pack : kMarshalDefaultPack;
    if (r.isUnion) {
        long long extent = 0;
        int align = 1;
        for (const Member& m : overlappingMembers(r)) {
            extent = std::max(extent, m.offset + m.type->size);
            align = std::max(align, std::min(marshalAlign(*m.type), cap));
        }
        return roundUp(extent, align) == r.size;
    }
    const std::vector<Member> members = sequentialMembers(r);
    std::vector<Slot> slots;
    for (const Member& m : members) slots.push_back({m.type->size, marshalAlign(*m.type)});
    const Placement p = placeSequential(slots, cap);
    for (size_t i = 0; i < members.size(); ++i)
        if (p.offsets[i] != members[i].offset) return false;
    return p.size == r.size;
}

int packOf(const Record& r) {
    if (fitsPack(r, 0)) return 0;
    for (int pack : {4, 2, 1})
        if (fitsPack(r, pack)) return pack;
    return r.pack;
}

PackChoice choosePack(const Record& r32, const Record* r64) {
    const int p32 = packOf(r32);
    const int p64 = r64 ? packOf(*r64) : p32;
    if (p32 == p64) return {p32, false, 0};
    if (fitsPack(r32, p64)) return {p64, false, 0};
    if (fitsPack(*r64, p32)) return {p32, false, 0};
    return {p64, true, p32};
}

}  // namespace tolvane::gen
