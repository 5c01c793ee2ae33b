#include "layout_rules.h"

#include <algorithm>

namespace tolvane::gen {

Placement placeSequential(const std::vector<Slot>& slots, int maxAlign) {
    Placement p;
    long long at = 0;
    for (const Slot& s : slots) {
        const int a = std::max(1, std::min(s.align, maxAlign));
        at = roundUp(at, a);
        p.offsets.push_back(at);
        at += s.size;
        p.align = std::max(p.align, a);
    }
    p.size = roundUp(at, p.align);
    return p;
}

}  // namespace tolvane::gen
