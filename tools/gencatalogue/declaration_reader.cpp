#include "declaration_reader.h"

#include "extra_records.h"

namespace tolvane::gen {

void DeclarationReader::read(const std::vector<CXCursor>& top, Declarations& out,
                             bool withFunctions) {
    std::set<std::string> seenFunctions, seenRecords;
    for (CXCursor c : top) {
        std::string header = headers_.of(c);
        std::map<std::string, std::string> hand;
        if (header.empty()) {
            hand = annotationFields(handAnnotation(c));
            header = hand["header"];
        }
        if (header.empty()) continue;
        if (c.kind == CXCursor_FunctionDecl) {
            if (!withFunctions) continue;
            std::string name = take(clang_getCursorSpelling(c));
            if (seenFunctions.insert(name).second) {
                out.functions.push_back(function(c, name, header));
                placeHandRecord(out.functions.back(), hand);
            }
        } else if (isRecordDecl(c) || c.kind == CXCursor_TypedefDecl) {
            collectRecords(c, seenRecords, out);
            if (c.kind == CXCursor_TypedefDecl) {
                collectAlias(c, header, out);
                collectTypedef(c, header, out);
            }
        }
    }
}

std::string DeclarationReader::nameOf(CXCursor c) const {
    auto it = names_.find(usrOf(c));
    if (it != names_.end()) return it->second;
    return clang_Cursor_isAnonymous(c) ? std::string() : take(clang_getCursorSpelling(c));
}

// Named record definitions, also those written inside a typedef or
// inside another record.
void DeclarationReader::collectRecords(CXCursor c, std::set<std::string>& seen, Declarations& out) {
    if (c.kind == CXCursor_TypedefDecl) {
        for (CXCursor child : children(c))
            if (isRecordDecl(child)) collectRecords(child, seen, out);
        return;
    }
    if (!clang_isCursorDefinition(c)) return;
    const std::string name = nameOf(c);
    if (!name.empty() && seen.insert(name).second) out.records.push_back(recordOf(c));
    for (CXCursor child : children(c))
        if (isRecordDecl(child)) collectRecords(child, seen, out);
}

// A typedef giving a structure another name than its own (typedef GUID
// IID; typedef RTL_CRITICAL_SECTION CRITICAL_SECTION).
void DeclarationReader::collectAlias(CXCursor c, const std::string& header, Declarations& out) {
    CXType canonical = clang_getCanonicalType(clang_getTypedefDeclUnderlyingType(c));
    if (canonical.kind != CXType_Record) return;
    const std::string target = nameOf(clang_getTypeDeclaration(canonical));
    std::string name = take(clang_getCursorSpelling(c));
    if (!target.empty() && name != target) out.aliases.push_back({name, target, header});
}

// A typedef of anything but a structure, union or enumeration (DWORD,
// LPCWSTR, HWND, WNDPROC), once.
void DeclarationReader::collectTypedef(CXCursor c, const std::string& header, Declarations& out) {
    const CXType underlying = clang_getTypedefDeclUnderlyingType(c);
    const CXTypeKind kind = clang_getCanonicalType(underlying).kind;
    if (kind == CXType_Record || kind == CXType_Enum) return;
    std::string name = take(clang_getCursorSpelling(c));
    if (!typedefsSeen_.insert(name).second) return;
    out.typedefs.push_back({std::move(name), header, take(clang_getTypeSpelling(underlying)),
                            convert(clang_getCursorType(c))});
}

// The annotation of a hand-made record ("header=... dll=..."), also on
// the structure a typedef defines; "" for anything else.
std::string DeclarationReader::handAnnotation(CXCursor c) {
    for (CXCursor child : children(c)) {
        if (child.kind == CXCursor_AnnotateAttr) {
            const std::string text = take(clang_getCursorSpelling(child));
            if (text.starts_with(kHandAnnotation)) return text.substr(kHandAnnotation.size());
        } else if (c.kind == CXCursor_TypedefDecl && isRecordDecl(child)) {
            return handAnnotation(child);
        }
    }
    return {};
}

Function DeclarationReader::function(CXCursor c, const std::string& name,
                                     const std::string& header) {
    Function f;
    f.name = name;
    f.header = header;
    const CXType type = clang_getCursorType(c);
    f.result = convert(clang_getResultType(type));
    f.cdecl_ = clang_getFunctionTypeCallingConv(type) == CXCallingConv_C;
    f.variadic = clang_isFunctionTypeVariadic(type);
    const int n = clang_Cursor_getNumArguments(c);
    for (int i = 0; i < n; ++i) {
        CXCursor arg = clang_Cursor_getArgument(c, static_cast<unsigned>(i));
        f.params.push_back({take(clang_getCursorSpelling(arg)), convert(clang_getCursorType(arg))});
    }
    return f;
}

}  // namespace tolvane::gen
