// Laying out members by alignment rules, planning VB Types that keep C's
// offsets, and choosing a C# Pack that fits both targets.
#include <gtest/gtest.h>

#include "cs_pack.h"
#include "layout_rules.h"
#include "tools/c_types_for_tests.h"
#include "vb_type.h"

namespace {

using namespace tolvane::test::c;
using tolvane::gen::placeSequential;
using tolvane::gen::Record;

// `t`'s structure laid out again with every member aligned to at most `pack`,
// as #pragma pack does.
std::shared_ptr<Record> packed(const CTypePtr& t, int pack) {
    auto r = std::make_shared<Record>(*t->body);
    std::vector<tolvane::gen::Slot> slots;
    for (const auto& f : r->fields) slots.push_back({f.type->size, f.type->align});
    const auto p = placeSequential(slots, pack);
    for (size_t i = 0; i < r->fields.size(); ++i) r->fields[i].offset = p.offsets[i];
    r->size = static_cast<int>(p.size);
    r->pack = pack;
    return r;
}

TEST(LayoutRules, CapsEachAlignmentAndRoundsTheWhole) {
    const std::vector<tolvane::gen::Slot> slots = {{2, 2}, {8, 8}, {1, 1}};
    const auto vb = placeSequential(slots, tolvane::gen::kVb6MaxAlign);
    EXPECT_EQ(vb.offsets, (std::vector<long long>{0, 4, 12}));
    EXPECT_EQ(vb.size, 16);
    const auto natural = placeSequential(slots, tolvane::gen::kMarshalDefaultPack);
    EXPECT_EQ(natural.offsets, (std::vector<long long>{0, 8, 16}));
    EXPECT_EQ(natural.size, 24);
    EXPECT_EQ(placeSequential(slots, 1).size, 11);
    EXPECT_EQ(placeSequential({}, 4).size, 0);
}

std::string typeBlock(const Record& r) { return tolvane::gen::vbTypeBlock("T", r, {}); }

TEST(VbType, PadsWhereCAlignsFurtherThanVb) {
    // C aligns the double to 8, VB to 4: a filler keeps d at 8.
    auto r = record("T", {field("a", INT()), field("d", real(8)), field("b", BYTE())});
    EXPECT_EQ(typeBlock(*r->body),
              "Type T\r\n    a As Long\r\n    unused1(0 To 3) As Byte  ' C 的对齐填充\r\n    d As "
              "Double\r\n"
              "    b As Byte\r\n    unused2(0 To 6) As Byte  ' C 的对齐填充\r\nEnd Type");
    EXPECT_EQ(tolvane::gen::vbTypeLayout(*r->body, {}).size, 24);
}

TEST(VbType, HoldsMembersThatPackingMisalignsAsBytes) {
    // BITMAPFILEHEADER: packed to 2, 14 bytes; VB would put the DWORDs at 4 and 12.
    auto r =
        packed(record("T", {field("bfType", WORD()), field("bfSize", DWORD()), field("r1", WORD()),
                            field("r2", WORD()), field("bfOffBits", DWORD())}),
               2);
    const auto vb = tolvane::gen::vbTypeLayout(*r, {});
    EXPECT_EQ(vb.size, 14);
    ASSERT_EQ(vb.members.size(), 5u);
    EXPECT_EQ(vb.members[1].offset, 2);
    EXPECT_EQ(vb.members[1].type, "Byte");
    EXPECT_EQ(vb.members[1].count, 4);
    EXPECT_EQ(vb.members[1].note,
              "C 在偏移 2 处存放 Long，VB 会把它对齐到 4 的倍数，故按 4 个字节存放，用 CopyMemory "
              "读写");
    EXPECT_EQ(vb.members[4].offset, 10);
    // Packed to 1 and 6 bytes long: the Long at 0 is where VB puts it, and VB
    // rounds the Type up to 8 (which its explain says).
    auto odd = packed(record("T", {field("a", DWORD()), field("b", WORD())}), 1);
    EXPECT_EQ(odd->size, 6);
    EXPECT_EQ(tolvane::gen::vbTypeLayout(*odd, {}).members[0].type, "Long");
    EXPECT_EQ(tolvane::gen::vbTypeLayout(*odd, {}).size, 8);
}

TEST(CsPack, WritesThePackBothTargetsShareOrOneThatFitsBoth) {
    auto dwords = record("T", {field("a", DWORD()), field("b", DWORD())});
    // Packing that moves nothing on 32-bit: no Pack, right for both.
    auto choice = tolvane::gen::choosePack(*packed(dwords, 1), dwords->body.get());
    EXPECT_EQ(choice.pack, 0);
    EXPECT_FALSE(choice.only64);
    // Packing that moves a member on 32-bit only: the 64-bit form, and what 32-bit needs.
    auto mixed = record("T", {field("a", WORD()), field("b", DWORD())});
    choice = tolvane::gen::choosePack(*packed(mixed, 1), mixed->body.get());
    EXPECT_TRUE(choice.only64);
    EXPECT_EQ(choice.pack, 0);
    EXPECT_EQ(choice.pack32, 2) << "the largest Pack that gives the packed layout";
    // Packed alike on both targets.
    auto both = packed(mixed, 2);
    EXPECT_EQ(tolvane::gen::choosePack(*both, both.get()).pack, 2);
}

}  // namespace
