#include "clang_reader.h"

#include <map>
#include <memory>

#include "clang_unit.h"
#include "extra_records.h"

namespace tolvane::gen {

namespace {

class Reader {
public:
    Reader(const ParseSettings& s, CXTranslationUnit tu)
        : settings_(s), tu_(tu), headers_(s.includeDir) {}

    void nameRecords(const std::vector<CXCursor>& top) {
        names_ = typedefNames(top, CXType_Record);
    }

    void read(const std::vector<CXCursor>& top, Declarations& out, bool withFunctions = true) {
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

private:
    // clang gives sibling anonymous records one USR, and the anonymous
    // unions a macro expands share one location, so a definition is known by
    // its declaration node, which a cursor holds for the unit's lifetime.
    static const void* identity(CXCursor def) { return clang_getCanonicalCursor(def).data[0]; }

    std::string nameOf(CXCursor c) const {
        auto it = names_.find(usrOf(c));
        if (it != names_.end()) return it->second;
        return clang_Cursor_isAnonymous(c) ? std::string() : take(clang_getCursorSpelling(c));
    }

    // Named record definitions, also those written inside a typedef or
    // inside another record.
    void collectRecords(CXCursor c, std::set<std::string>& seen, Declarations& out) {
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
    void collectAlias(CXCursor c, const std::string& header, Declarations& out) {
        CXType canonical = clang_getCanonicalType(clang_getTypedefDeclUnderlyingType(c));
        if (canonical.kind != CXType_Record) return;
        const std::string target = nameOf(clang_getTypeDeclaration(canonical));
        std::string name = take(clang_getCursorSpelling(c));
        if (!target.empty() && name != target) out.aliases.push_back({name, target, header});
    }

    // A typedef of anything but a structure, union or enumeration (DWORD,
    // LPCWSTR, HWND, WNDPROC), once.
    void collectTypedef(CXCursor c, const std::string& header, Declarations& out) {
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
    static std::string handAnnotation(CXCursor c) {
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

    static bool isInterface(CXCursor def) {
        std::vector<CXCursor> fields;
        for (CXCursor c : children(def))
            if (c.kind == CXCursor_FieldDecl) fields.push_back(c);
        return fields.size() == 1 && take(clang_getCursorSpelling(fields[0])) == "lpVtbl";
    }

    // The first named field reachable through anonymous members.
    static std::string firstLeaf(CXCursor record) {
        for (CXCursor c : children(record)) {
            if (c.kind == CXCursor_FieldDecl) return take(clang_getCursorSpelling(c));
            if (isRecordDecl(c) && clang_Cursor_isAnonymousRecordDecl(c)) {
                std::string leaf = firstLeaf(c);
                if (!leaf.empty()) return leaf;
            }
        }
        return {};
    }

    std::shared_ptr<const Record> recordOf(CXCursor def) {
        const void* key = identity(def);
        if (auto it = records_.find(key); it != records_.end()) return it->second;
        auto r = std::make_shared<Record>();
        records_[key] = r;
        const CXType type = clang_getCursorType(def);
        r->name = nameOf(def);
        r->isUnion = def.kind == CXCursor_UnionDecl;
        r->size = static_cast<int>(std::max(0LL, clang_Type_getSizeOf(type)));
        const int align = static_cast<int>(std::max(0LL, clang_Type_getAlignOf(type)));
        r->header = headers_.of(def);
        if (r->header.empty()) {
            auto hand = annotationFields(handAnnotation(def));
            r->header = hand["header"];
            r->sameAs = hand["same"];
        }
        int natural = 1;
        for (CXCursor c : children(def)) {
            Field f;
            CXType fieldType = clang_getCursorType(c);
            if (c.kind == CXCursor_FieldDecl) {
                f.name = take(clang_getCursorSpelling(c));
                if (clang_Cursor_isBitField(c)) f.bitWidth = clang_getFieldDeclBitWidth(c);
                f.offset = std::max(0LL, clang_Cursor_getOffsetOfField(c)) / 8;
            } else if (isRecordDecl(c) && clang_Cursor_isAnonymousRecordDecl(c)) {
                const std::string leaf = firstLeaf(c);
                if (leaf.empty()) continue;
                f.offset = (clang_Type_getOffsetOf(type, leaf.c_str()) -
                            clang_Type_getOffsetOf(fieldType, leaf.c_str())) /
                           8;
            } else {
                continue;
            }
            f.type = convert(fieldType);
            natural = std::max(natural, static_cast<int>(clang_Type_getAlignOf(fieldType)));
            r->fields.push_back(std::move(f));
        }
        if (align > 0 && align < natural) r->pack = align;
        return r;
    }

    CTypePtr convert(CXType t) {
        auto out = std::make_shared<CType>();
        out->spelling = take(clang_getTypeSpelling(t));
        out->isConst = clang_isConstQualifiedType(t);
        for (;;) {
            if (t.kind == CXType_Typedef) {
                out->names.push_back(take(clang_getTypedefName(t)));
                t = clang_getTypedefDeclUnderlyingType(clang_getTypeDeclaration(t));
            } else if (t.kind == CXType_Elaborated) {
                t = clang_Type_getNamedType(t);
            } else if (t.kind == CXType_Attributed) {
                t = clang_Type_getModifiedType(t);
            } else {
                break;
            }
            out->isConst = out->isConst || clang_isConstQualifiedType(t);
        }
        const CXType c = clang_getCanonicalType(t);
        out->size = static_cast<int>(std::max(0LL, clang_Type_getSizeOf(c)));
        out->align = static_cast<int>(std::max(1LL, clang_Type_getAlignOf(c)));
        switch (c.kind) {
        case CXType_Void: out->kind = Kind::Void; break;
        case CXType_Bool:
        case CXType_Char_U:
        case CXType_UChar:
        case CXType_Char16:
        case CXType_UShort:
        case CXType_UInt:
        case CXType_ULong:
        case CXType_ULongLong:
        case CXType_Char_S:
        case CXType_SChar:
        case CXType_WChar:
        case CXType_Short:
        case CXType_Int:
        case CXType_Long:
        case CXType_LongLong:
            out->kind = Kind::Integer;
            out->isSigned = isSignedKind(c.kind);
            out->builtin = builtinName(c.kind);
            break;
        case CXType_Enum: {
            out->kind = Kind::Integer;
            const CXType under = clang_getEnumDeclIntegerType(clang_getTypeDeclaration(c));
            out->isSigned = isSignedKind(clang_getCanonicalType(under).kind);
            break;
        }
        case CXType_Float:
        case CXType_Double:
        case CXType_LongDouble: out->kind = Kind::Real; break;
        case CXType_Pointer:
        case CXType_BlockPointer:
            out->kind = Kind::Pointer;
            out->target = convert(clang_getPointeeType(t.kind == CXType_Pointer ? t : c));
            break;
        case CXType_ConstantArray:
        case CXType_IncompleteArray:
            out->kind = Kind::Array;
            out->target = convert(clang_getArrayElementType(t.kind == c.kind ? t : c));
            out->count = c.kind == CXType_ConstantArray ? clang_getArraySize(c) : 0;
            break;
        case CXType_Record: {
            out->kind = Kind::Record;
            CXCursor decl = clang_getTypeDeclaration(c);
            CXCursor def = clang_getCursorDefinition(decl);
            out->complete = !clang_Cursor_isNull(def);
            out->record = nameOf(out->complete ? def : decl);
            if (out->complete) {
                out->isInterface = isInterface(def);
                out->body = recordOf(def);
            }
            break;
        }
        case CXType_FunctionProto:
        case CXType_FunctionNoProto: out->kind = Kind::Function; break;
        default: break;
        }
        return out;
    }

    static bool isSignedKind(CXTypeKind k) {
        return k == CXType_Char_S || k == CXType_SChar || k == CXType_WChar || k == CXType_Short ||
               k == CXType_Int || k == CXType_Long || k == CXType_LongLong;
    }

    static std::string builtinName(CXTypeKind k) {
        switch (k) {
        case CXType_Char_S:
        case CXType_Char_U: return "char";
        case CXType_SChar: return "signed char";
        case CXType_UChar: return "unsigned char";
        case CXType_Short: return "short";
        case CXType_UShort: return "unsigned short";
        case CXType_Int: return "int";
        case CXType_UInt: return "unsigned int";
        case CXType_Long: return "long";
        case CXType_ULong: return "unsigned long";
        case CXType_LongLong: return "long long";
        case CXType_ULongLong: return "unsigned long long";
        case CXType_Bool: return "_Bool";
        default: return "int";
        }
    }

    Function function(CXCursor c, const std::string& name, const std::string& header) {
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
            f.params.push_back(
                {take(clang_getCursorSpelling(arg)), convert(clang_getCursorType(arg))});
        }
        return f;
    }

    const ParseSettings& settings_;
    CXTranslationUnit tu_;
    Headers headers_;
    std::map<std::string, std::string> names_;  // record USR -> typedef name
    std::set<std::string> typedefsSeen_;
    std::map<const void*, std::shared_ptr<Record>> records_;  // by identity()
};

}  // namespace

ParseResult readHeaders(const ParseSettings& settings) {
    Unit unit(settings, "");
    ParseResult result;
    const unsigned diagnostics = clang_getNumDiagnostics(unit.tu());
    for (unsigned i = 0; i < diagnostics; ++i) {
        CXDiagnostic d = clang_getDiagnostic(unit.tu(), i);
        if (clang_getDiagnosticSeverity(d) >= CXDiagnostic_Error) {
            if (result.errors++ < 5)
                result.firstErrors.push_back(
                    take(clang_formatDiagnostic(d, clang_defaultDiagnosticDisplayOptions())));
        }
        clang_disposeDiagnostic(d);
    }
    struct Included {
        std::string prefix;
        std::set<std::string>* headers;
    } included{settings.includeDir + "/", &result.included};
    clang_getInclusions(
        unit.tu(),
        [](CXFile file, CXSourceLocation*, unsigned, CXClientData data) {
            auto* in = static_cast<Included*>(data);
            const std::string path = take(clang_getFileName(file));
            if (path.starts_with(in->prefix)) in->headers->insert(path.substr(in->prefix.size()));
        },
        &included);
    const std::vector<CXCursor> top = unit.topLevel();
    Reader reader(settings, unit.tu());
    reader.nameRecords(top);
    reader.read(top, result.declarations);
    result.declarations.constants = integerMacros(settings, unit, top);
    for (Constant& c : stringMacros(settings, unit, top))
        result.declarations.constants.push_back(std::move(c));
    Headers headers(settings.includeDir);
    Enumerations enums = readEnumerations(unit.tu(), top, headers);
    for (Constant& c : enums.constants) result.declarations.constants.push_back(std::move(c));
    result.declarations.enumerations = std::move(enums.enumerations);
    return result;
}

namespace {

// The structures and functions the 64-bit headers give a 32-bit name by a
// macro (#define IMAGEHLP_LINE IMAGEHLP_LINE64, #define StackWalk
// StackWalk64): a 64-bit program that writes the name gets the target.
void renamedOn64Bits(const Unit& unit, const std::vector<CXCursor>& top, Headers& headers,
                     Declarations& d) {
    for (CXCursor c : top) {
        if (c.kind != CXCursor_MacroDefinition || clang_Cursor_isMacroFunctionLike(c) ||
            headers.of(c).empty())
            continue;
        CXToken* tokens = nullptr;
        unsigned count = 0;
        clang_tokenize(unit.tu(), clang_getCursorExtent(c), &tokens, &count);
        if (count == 2 && clang_getTokenKind(tokens[1]) == CXToken_Identifier) {
            const std::string name = take(clang_getTokenSpelling(unit.tu(), tokens[0]));
            const std::string target = take(clang_getTokenSpelling(unit.tu(), tokens[1]));
            if (auto r = d.records64.find(target); r != d.records64.end())
                d.records64.emplace(name, r->second);
            if (auto f = d.functions64.find(target); f != d.functions64.end())
                d.functions64.emplace(name, f->second);
        }
        clang_disposeTokens(unit.tu(), tokens, count);
    }
}

}  // namespace

void read64Bit(const ParseSettings& settings, Declarations& d) {
    Unit unit(settings, "");
    const std::vector<CXCursor> top = unit.topLevel();
    Reader reader(settings, unit.tu());
    reader.nameRecords(top);
    Declarations read;
    reader.read(top, read);
    for (auto& r : read.records) d.records64.emplace(r->name, std::move(r));
    for (Function& f : read.functions) d.functions64.emplace(f.name, std::move(f));
    Headers headers(settings.includeDir);
    renamedOn64Bits(unit, top, headers, d);
    for (Typedef& t : read.typedefs) d.typedefs64.emplace(t.name, std::move(t));
    d.constants64 = integerMacros(settings, unit, top);
    for (Constant& c : readEnumerations(unit.tu(), top, headers).constants)
        d.constants64.push_back(std::move(c));
}

std::set<std::string> declaredNames(const ParseSettings& settings) {
    Unit unit(settings, "");
    Headers headers(settings.includeDir);
    std::set<std::string> out;
    for (CXCursor c : unit.topLevel()) {
        if (c.kind != CXCursor_FunctionDecl && c.kind != CXCursor_TypedefDecl &&
            c.kind != CXCursor_MacroDefinition && !isRecordDecl(c))
            continue;
        if (headers.of(c).empty()) continue;
        out.insert(take(clang_getCursorSpelling(c)));
    }
    for (const Constant& c : readEnumerations(unit.tu(), unit.topLevel(), headers).constants)
        out.insert(c.name);
    return out;
}

}  // namespace tolvane::gen
