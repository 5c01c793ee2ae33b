#pragma once
// VB Type blocks whose member offsets and size equal the C structure's.
// VB6 aligns a member to min(its size, 4), 64-bit VBA to min(its size, 8)
// (arrays and fixed strings by element); C may align 8-byte members to 8 or pack a structure to 1
// or 2. Where C leaves a hole VB would not, a padding member fills it; where VB would align a
// member that C leaves misaligned (packed structures), the member is held as bytes with a comment
// saying what C keeps there.
#include <string>
#include <vector>

#include "c_model.h"
#include "layout_rules.h"
#include "type_names.h"
#include "vb_dialect.h"

namespace tolvane::gen {

struct VbMember {
    std::string name;      // VB identifier
    std::string type;      // "Long", "RECT", "String * 32", "Byte"
    long long count = 0;   // an array (0 To count-1) when above 0
    long long offset = 0;  // bytes from the start of the Type
    long long size = 0;
    int align = 1;
    std::string note;   // a Chinese comment for the line, "" if none
    long long len = 0;  // what Len() counts of it
};

struct VbType {
    std::vector<VbMember> members;
    long long size = 0;
    int align = 1;
    // What Len() returns for a variable of the Type: the members' sizes
    // without the room VB leaves between them, fixed strings by their ANSI
    // length.
    long long len = 0;
};

// The members of the Type for `r` under the dialect's alignment rules. For
// 64-bit VBA `r` is the structure as laid out on 64-bit Windows.
VbType vbTypeLayout(const Record& r, const TypeNames& names, VbDialect dialect = VbDialect::Vb6);

// "Type Name" ... "End Type", one member a line, CR LF between lines.
std::string vbTypeBlock(const std::string& name, const Record& r, const TypeNames& names,
                        VbDialect dialect = VbDialect::Vb6);

}  // namespace tolvane::gen
