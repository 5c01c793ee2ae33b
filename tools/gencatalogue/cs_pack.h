#pragma once
// The Pack of a C# struct, which the marshaller applies in 32-bit and 64-bit
// processes alike, while the headers may pack a structure on one target only
// (mingw-w64 packs the common dialog and shell structures to 1 on 32-bit
// Windows, where they are naturally aligned on 64-bit).
#include "c_model.h"

namespace tolvane::gen {

struct PackChoice {
    int pack = 0;         // the Pack to write, 0 for none
    bool only64 = false;  // no Pack fits both targets: this one fits 64-bit
    int pack32 = 0;       // what a 32-bit process needs when only64
};

// True when members laid out by their natural alignment capped at `pack`
// (0: the marshaller's default) land at the offsets and size clang gives.
bool fitsPack(const Record& r, int pack);

// The Pack that lays the members out as clang does: none when natural
// alignment does, else the largest that does (a packed union member makes
// its structure packed without a #pragma of its own); the headers' packing
// when none fits.
int packOf(const Record& r);

// The same Pack when both targets pack alike; otherwise one that fits both
// if there is one; otherwise the 64-bit one. `r64` is the 64-bit layout of
// the structure, nullptr when the 64-bit headers lack it.
PackChoice choosePack(const Record& r32, const Record* r64);

}  // namespace tolvane::gen
