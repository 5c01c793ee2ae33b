#include "vb_type.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "c_types.h"
#include "layout.h"
#include "text.h"
#include "vb_map.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

struct Shape {
    std::string type;
    long long count = 0;
    long long size = 0;
    int align = 1;
    long long len = 0;     // what Len() counts
    long long vbSize = 0;  // what VB makes of a Type's C size (rounded to its alignment)
};

// Size and VB alignment of one value of a VB type standing for `t`.
Shape scalar(const CType& t, const std::string& type, const TypeNames& names, VbDialect d) {
    if (t.kind == Kind::Record && !isInt64(t) && t.body) {
        const VbType nested = vbTypeLayout(*t.body, names, d);
        return {type, 0, t.size, nested.align, nested.len, nested.size};
    }
    return {type, 0, t.size, std::min(std::max(1, t.size), vbMaxAlign(d)), t.size, t.size};
}

Shape bytes(long long n) { return {"Byte", n, n, 1, n, n}; }

// How VB holds a member naturally; size 0 when it takes no room. A text
// pointer is a String where `texts`, else a pointer.
Shape shapeOf(const CType& t, const TypeNames& names, VbDialect d, bool texts) {
    if (t.kind == Kind::Array) {
        long long count = 1;
        const CType& element = arrayElement(t, count);
        if (count <= 0) return {};
        if (charKind(element) == CharKind::Narrow)
            return {"String * " + std::to_string(count), 0, count, 1, count, count};
        const std::string type = vbValueType(element, names, false, d);
        if (type.empty()) return bytes(count * element.size);
        Shape s = scalar(element, type, names, d);
        s.count = count;
        s.size *= count;
        s.len *= count;
        s.vbSize *= count;
        return s;
    }
    const std::string type = vbValueType(t, names, texts, d);
    if (type.empty()) return t.size > 0 ? bytes(t.size) : Shape{};
    return scalar(t, type, names, d);
}

std::string described(const VbMember& m) {
    return m.count              ? say(Phrase::ArrayOf, {m.type})
           : m.type == "String" ? say(Phrase::StringPointer)
                                : m.type;
}

// Why VB cannot hold a member as C has it.
enum class Reason {
    Misaligned,  // VB would align it further
    OtherSize,   // a Type whose VB size differs from C's (it ends on padding VB adds)
    Cut,         // only some of its bytes are its own (a bit-field unit, the end)
};

// Holds a member as plain bytes, saying what C keeps there and why VB cannot.
void toBytes(VbMember& m, long long size, Reason why, long long vbSize = 0) {
    if (m.type != "Byte") {
        const std::string at = std::to_string(m.offset), bytes = std::to_string(size);
        switch (why) {
        case Reason::Misaligned:
            m.note = say(Phrase::HeldAsBytes, {at, described(m), std::to_string(m.align), bytes});
            break;
        case Reason::OtherSize:
            m.note = say(Phrase::HeldAsBytesOtherSize,
                         {at, described(m), bytes, std::to_string(vbSize)});
            break;
        case Reason::Cut: m.note = say(Phrase::HeldAsBytesCut, {at, described(m), bytes}); break;
        }
    }
    m.type = "Byte";
    m.count = size;
    m.size = size;
    m.len = size;
    m.align = 1;
}

class Namer {
public:
    void take(const std::string& name) { used_.insert(lower(name)); }
    std::string padding() {
        std::string name;
        do name = "unused" + std::to_string(++n_);
        while (used_.count(name));
        used_.insert(name);
        return name;
    }

private:
    std::set<std::string> used_;
    int n_ = 0;
};

}  // namespace

VbType vbTypeLayout(const Record& r, const TypeNames& names, VbDialect dialect) {
    const int maxAlign = vbMaxAlign(dialect);
    std::vector<VbMember> placed;
    std::vector<long long> vbSizes;  // of each placed member
    Namer namer;
    int position = 0;
    const Record* like = dialect == VbDialect::Vba64 ? names.like32(r.name) : nullptr;
    for (const Member& m : sequentialMembers(r, like)) {
        const std::string name = vbIdentifier(m.name, ++position);
        const Shape s = shapeOf(*m.type, names, dialect, !names.keepsPointers(r.name));
        if (s.size <= 0) continue;
        namer.take(name);
        placed.push_back(
            {name, s.type, s.count, m.offset, s.size, std::min(s.align, maxAlign), "", s.len});
        vbSizes.push_back(s.vbSize);
    }
    VbType out;
    long long at = 0;
    auto pad = [&](long long from, long long n) {
        out.members.push_back(
            {namer.padding(), "Byte", n, from, n, 1, say(Phrase::AlignmentFiller), n});
    };
    for (size_t i = 0; i < placed.size(); ++i) {
        VbMember& m = placed[i];
        if (m.offset < at && !out.members.empty()) {
            // A bit-field unit reaching into the next member keeps only its own bytes.
            VbMember& previous = out.members.back();
            if (m.offset <= previous.offset) continue;
            toBytes(previous, m.offset - previous.offset, Reason::Cut);
            at = m.offset;
        }
        if (m.offset % m.align != 0)
            toBytes(m, m.size, Reason::Misaligned);
        else if (vbSizes[i] != m.size)
            toBytes(m, m.size, Reason::OtherSize, vbSizes[i]);
        // A hole VB leaves by itself needs no filler.
        if (m.offset > roundUp(at, m.align)) pad(at, m.offset - at);
        at = m.offset + m.size;
        out.members.push_back(m);
    }
    if (at > r.size && !out.members.empty()) {
        VbMember& last = out.members.back();
        toBytes(last, r.size - last.offset, Reason::Cut);
        at = r.size;
    }
    for (const VbMember& m : out.members) {
        out.align = std::max(out.align, m.align);
        out.len += m.len;
    }
    if (roundUp(at, out.align) < r.size) {
        pad(at, r.size - at);
        at = r.size;
    }
    // Rounded up to the largest alignment: beyond C's size where C packs
    // the structure tighter (WAVEFORMATEX, 18 bytes in C, is 20 in VB).
    out.size = roundUp(at, out.align);
    return out;
}

std::string vbTypeBlock(const std::string& name, const Record& r, const TypeNames& names,
                        VbDialect dialect) {
    std::string out = "Type " + vbTypeName(name);
    for (const VbMember& m : vbTypeLayout(r, names, dialect).members) {
        out += kCrLf;
        out += "    " + m.name;
        if (m.count) out += "(0 To " + std::to_string(m.count - 1) + ")";
        out += " As " + m.type;
        if (!m.note.empty()) out += "  ' " + m.note;
    }
    out += kCrLf;
    out += "End Type";
    return out;
}

}  // namespace tolvane::gen
