#pragma once
// Sequential layout by alignment rules, shared by the VB Type planner, the
// C# Pack choice and the layout checks: each member is placed at the next
// multiple of its alignment capped by the rules, and the whole is rounded up
// to the largest capped alignment.
//
//   VB6 Type                   cap 4 (members aligned to min(size, 4))
//   .NET marshaller            cap Pack, 8 when no Pack is given
//   a 64-bit VBA Type          cap 8
#include <vector>

namespace tolvane::gen {

struct Slot {
    long long size = 0;
    int align = 1;  // the member's natural alignment
};

struct Placement {
    std::vector<long long> offsets;  // one per slot
    long long size = 0;
    int align = 1;  // of the whole, after the cap
};

Placement placeSequential(const std::vector<Slot>& slots, int maxAlign);

// The alignment rules of VB6 Types.
inline constexpr int kVb6MaxAlign = 4;
// The marshaller's packing when a struct names no Pack.
inline constexpr int kMarshalDefaultPack = 8;

inline long long roundUp(long long n, int to) { return to > 1 ? (n + to - 1) / to * to : n; }

}  // namespace tolvane::gen
