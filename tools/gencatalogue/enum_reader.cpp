// The enumerations the headers define: each enumerator becomes a constant
// with the value clang computes, and each named enumeration a list of the
// constants it holds, under its typedef name (COINIT, not tagCOINIT).
#include <set>

#include "clang_unit.h"

namespace tolvane::gen {

namespace {

// The initializer as written after "=", "" when the enumerator has none.
std::string initializer(CXTranslationUnit tu, CXCursor c) {
    CXToken* tokens = nullptr;
    unsigned count = 0;
    clang_tokenize(tu, clang_getCursorExtent(c), &tokens, &count);
    std::string out;
    bool after = false;
    for (unsigned i = 0; i < count; ++i) {
        const std::string text = take(clang_getTokenSpelling(tu, tokens[i]));
        if (!after) {
            after = text == "=";
            continue;
        }
        // Spaced as the SDK writes it: MACRO(0x1), a | b.
        const bool tight = out.empty() || out.back() == '(' || out.back() == '~' || text == ")" ||
                           text == "," ||
                           (text == "(" && clang_getTokenKind(tokens[i - 1]) == CXToken_Identifier);
        out += (tight ? "" : " ") + text;
    }
    clang_disposeTokens(tu, tokens, count);
    return out;
}

void readEnum(CXTranslationUnit tu, CXCursor decl, const std::string& name,
              const std::string& header, Enumerations& out) {
    CXType integer = clang_getEnumDeclIntegerType(decl);
    const bool isUnsigned = clang_getCanonicalType(integer).kind == CXType_UInt ||
                            clang_getCanonicalType(integer).kind == CXType_ULong ||
                            clang_getCanonicalType(integer).kind == CXType_ULongLong;
    const int bytes = static_cast<int>(clang_Type_getSizeOf(integer));
    Enumeration e{name, header, {}};
    for (CXCursor c : children(decl)) {
        if (c.kind != CXCursor_EnumConstantDecl) continue;
        Constant k;
        k.name = take(clang_getCursorSpelling(c));
        k.value = isUnsigned ? static_cast<long long>(clang_getEnumConstantDeclUnsignedValue(c))
                             : clang_getEnumConstantDeclValue(c);
        k.bytes = bytes > 0 ? bytes : 4;
        k.isUnsigned = isUnsigned;
        k.header = header;
        k.body = initializer(tu, c);
        k.hex = k.body.find("0x") != std::string::npos || k.body.find("0X") != std::string::npos;
        k.enumeration = name;
        e.members.push_back(k.name);
        out.constants.push_back(std::move(k));
    }
    if (!name.empty() && !e.members.empty()) out.enumerations.push_back(std::move(e));
}

}  // namespace

Enumerations readEnumerations(CXTranslationUnit tu, const std::vector<CXCursor>& top,
                              Headers& headers) {
    const auto names = typedefNames(top, CXType_Enum);
    std::set<std::string> seen;
    Enumerations out;
    auto visit = [&](CXCursor decl) {
        if (decl.kind != CXCursor_EnumDecl || !clang_isCursorDefinition(decl)) return;
        const std::string usr = usrOf(decl);
        if (!seen.insert(usr).second) return;
        const std::string& header = headers.of(decl);
        if (header.empty()) return;
        std::string name;
        if (auto it = names.find(usr); it != names.end())
            name = it->second;
        else if (!clang_Cursor_isAnonymous(decl))
            name = take(clang_getCursorSpelling(decl));
        readEnum(tu, decl, name, header, out);
    };
    for (CXCursor c : top) {
        visit(c);
        if (c.kind == CXCursor_TypedefDecl)
            for (CXCursor child : children(c)) visit(child);
    }
    return out;
}

}  // namespace tolvane::gen
