#pragma once
// Layouts computed from the declaration text alone, as the consumer would
// lay it out: a VB6 Type by VB6's rules (members aligned to min(size, 4),
// fixed strings and arrays by element), a 64-bit VBA Type by its rules
// (LongPtr, LongLong and String pointers 8 bytes, aligned up to 8), a C# struct by the marshaller's
// rules for Sequential and Explicit layouts, Pack, CharSet, ByValArray and ByValTStr. Nested Types
// and structs are looked up by name among the texts.
#include <map>
#include <string>

#include "layouts_file.h"
#include "vb_dialect.h"

namespace tolvane::test {

struct DeclaredLayout {
    long long size = 0;
    int align = 1;
    std::map<std::string, long long> offsets;  // by member name
    std::string problem;                       // text that could not be read
};

// Bytes of a value of one of VB's own types in `dialect` (a String is its
// pointer), 0 for other names (a Type, Any).
long long vbValueSize(const std::string& type, gen::VbDialect dialect);

class VbLayouts {
public:
    explicit VbLayouts(std::map<std::string, std::string> typeBlocks,
                       gen::VbDialect dialect = gen::VbDialect::Vb6)
        : texts_(std::move(typeBlocks)), dialect_(dialect) {}
    const DeclaredLayout& of(const std::string& type);

private:
    std::map<std::string, std::string> texts_;
    gen::VbDialect dialect_;
    std::map<std::string, DeclaredLayout> done_;
};

class CsLayouts {
public:
    // pointerSize 4 or 8; CharSet.Auto is Unicode, as on Windows.
    CsLayouts(std::map<std::string, std::string> structs, int pointerSize)
        : texts_(std::move(structs)), pointer_(pointerSize) {}
    const DeclaredLayout& of(const std::string& type);

private:
    std::map<std::string, std::string> texts_;
    int pointer_;
    std::map<std::string, DeclaredLayout> done_;
};

// "" when the declared layout has C's size and every member of C at C's
// offset; a member may be absent when C gives it no room or when another
// declared member starts where it does (the union member chosen to represent
// it and its siblings). Otherwise the first difference.
std::string compareLayouts(const DeclaredLayout& declared, const gen::CLayout& c, bool isUnion);

}  // namespace tolvane::test
