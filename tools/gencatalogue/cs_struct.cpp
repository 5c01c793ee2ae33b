#include <algorithm>

#include "c_types.h"
#include "cs_map.h"
#include "layout.h"
#include "layout_rules.h"
#include "text.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

std::string byValArray(const std::string& type, long long count, const std::string& name) {
    return "[MarshalAs(UnmanagedType.ByValArray, SizeConst = " + std::to_string(count) +
           ")] public " + type + "[] " + name + ";";
}

// A member C# has no type for, as an array of the integers of its alignment,
// so that the marshaller aligns it as C does.
std::string opaque(const CType& t, long long bytes, const std::string& name) {
    static const char* kTypes[] = {"byte", "ushort", "uint", "ulong"};
    int unit = 1, index = 0;
    while (unit * 2 <= std::min(t.align, 8) && bytes % (unit * 2) == 0) unit *= 2, ++index;
    return byValArray(kTypes[index], bytes / unit, name);
}

// One field of a sequential struct; "" when the member takes no room.
std::string sequentialField(const Member& m, const std::string& name, const TypeNames& names,
                            CharSet charSet, bool generic, bool texts = true) {
    const CType& t = *m.type;
    if (t.kind == Kind::Array) {
        long long count = 1;
        const CType& element = arrayElement(t, count);
        if (count <= 0) return {};
        const CharKind kind = charKind(element);
        if (kind != CharKind::None) {
            if (marshalString(kind, charSet, generic).empty())
                return "[MarshalAs(UnmanagedType.ByValTStr, SizeConst = " + std::to_string(count) +
                       ")] public string " + name + ";";
            return byValArray(kind == CharKind::Narrow ? "byte" : "ushort", count, name);
        }
        std::string type = isBool(element) ? "int" : csValueType(element, names);
        if (type.empty()) return opaque(element, count * element.size, name);
        return byValArray(type, count, name);
    }
    if (const CharKind kind = stringKind(t); kind != CharKind::None && !isCallback(t))
        return texts ? marshalString(kind, charSet, generic) + "public string " + name + ";"
                     : "public IntPtr " + name + ";";
    std::string type = csValueType(t, names);
    if (type.empty()) return t.size > 0 ? opaque(t, t.size, name) : std::string();
    return "public " + type + " " + name + ";";
}

// The FieldOffset members of a union; `covered` is set when they reach its
// whole size, aligned as C aligns them, so that no Size need be given.
std::string unionBody(const Record& r, const TypeNames& names, bool& covered,
                      const std::string& prefix = {}, const std::string& indent = "    ") {
    std::vector<Member> members = overlappingMembers(r);
    for (Member& m : members) m.name = prefix + m.name;
    const bool anyScalar = std::any_of(members.begin(), members.end(),
                                       [](const Member& m) { return m.type->kind != Kind::Array; });
    // Overlapping arrays are reference fields the marshaller refuses; with a
    // scalar member present they go, and Size keeps the union's full extent.
    if (anyScalar) {
        std::erase_if(members, [](const Member& m) { return m.type->kind == Kind::Array; });
    } else if (!members.empty()) {
        auto largest = std::max_element(members.begin(), members.end(), [](auto& a, auto& b) {
            return a.type->size < b.type->size;
        });
        members = {*largest};
    }
    std::string out;
    int position = 0;
    long long extent = 0;
    int align = 1;
    for (const Member& m : members) {
        const std::string name = csIdentifier(m.name, ++position);
        std::string field;
        if (m.type->kind == Kind::Array) {
            field = sequentialField(m, name, names, CharSet::None, false);
        } else {
            std::string type =
                stringKind(*m.type) != CharKind::None ? "IntPtr" : csValueType(*m.type, names);
            if (type.empty()) continue;
            field = "public " + type + " " + name + ";";
        }
        if (field.empty()) continue;
        out += indent + "[FieldOffset(" + std::to_string(m.offset) + ")] " + field + kCrLf;
        extent = std::max(extent, m.offset + m.type->size);
        align = std::max(align, m.type->align);
    }
    covered = roundUp(extent, align) == r.size;
    return out;
}

// A union whose members all start at its beginning and differ in size,
// alignment or pointer width: one of them cannot stand for the rest.
bool needsNestedUnion(const Record& u) {
    const std::vector<Member> members = overlappingMembers(u);
    if (members.empty() ||
        std::any_of(members.begin(), members.end(), [](const Member& m) { return m.offset != 0; }))
        return false;
    auto shape = [](const Member& m) {
        const CType& t = *m.type;
        return std::tuple(t.size, t.align, t.kind == Kind::Pointer || isPointerSized(t));
    };
    return std::any_of(members.begin(), members.end(),
                       [&](const Member& m) { return shape(m) != shape(members[0]); });
}

}  // namespace

std::string csStruct(const std::string& name, const Record& r, const TypeNames& names,
                     const StringSides& sides, const PackChoice& pack) {
    std::string layout = r.isUnion ? "LayoutKind.Explicit" : "LayoutKind.Sequential";
    std::string body;
    if (r.isUnion) {
        // Size only where the members fall short of the union: it differs
        // between the targets when a member is a pointer, and mono then
        // drops the members' alignment.
        bool covered = false;
        body = unionBody(r, names, covered);
        if (!covered) layout += ", Size = " + std::to_string(r.size);
        if (pack.pack) layout += ", Pack = " + std::to_string(pack.pack);
    } else {
        if (sides.charSet != CharSet::None) layout += ", CharSet = " + charSetName(sides.charSet);
        if (pack.pack) layout += ", Pack = " + std::to_string(pack.pack);
        int position = 0;
        const std::vector<Member> members = sequentialMembers(r);
        std::string nested;
        const Record* union_ = nullptr;
        for (size_t i = 0; i < members.size(); ++i) {
            ++position;
            if (const Member& m = members[i]; m.inUnion && needsNestedUnion(*m.inUnion)) {
                // A union inside the struct is a nested Explicit struct, so
                // that the marshaller gives it the size and alignment of all
                // its members on either target, not those of one of them.
                // One holding structures keeps its largest member instead
                // (their inner offsets would be fixed to one target's), and
                // so does one whose members are all alike.
                if (m.inUnion == union_) continue;
                union_ = m.inUnion;
                bool covered = false;
                const std::string fields =
                    unionBody(*union_, names, covered, m.unionPrefix, "        ");
                const std::string type = "Union" + std::to_string(position);
                const std::string field =
                    m.unionPrefix.empty()
                        ? "union" + std::to_string(position)
                        : csIdentifier(m.unionPrefix.substr(0, m.unionPrefix.size() - 1), position);
                nested += "    [StructLayout(LayoutKind.Explicit" +
                          (covered ? std::string() : ", Size = " + std::to_string(union_->size)) +
                          ")]" + kCrLf + "    public struct " + type + kCrLf + "    {" + kCrLf +
                          fields + "    }" + kCrLf;
                body += "    public " + type + " " + field + ";" + kCrLf;
                continue;
            }
            const bool generic = i < sides.generic.size() && sides.generic[i];
            std::string field =
                sequentialField(members[i], csIdentifier(members[i].name, position), names,
                                sides.charSet, generic, !names.keepsPointers(r.name));
            if (!field.empty()) body += "    " + field + kCrLf;
        }
        body += nested;
    }
    std::string note;
    if (pack.only64) note = say(Phrase::PackFor64BitOnly, {std::to_string(pack.pack32)}) + kCrLf;
    return note + "[StructLayout(" + layout + ")]" + kCrLf + "struct " + name + kCrLf + "{" +
           kCrLf + body + "}";
}

}  // namespace tolvane::gen
