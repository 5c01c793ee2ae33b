// Turns clang's types and record definitions into the C model: sizes,
// alignments, field offsets and packing as the parsed target lays them out.
#include <algorithm>

#include "declaration_reader.h"
#include "extra_records.h"

namespace tolvane::gen {

namespace {

bool isInterface(CXCursor def) {
    std::vector<CXCursor> fields;
    for (CXCursor c : children(def))
        if (c.kind == CXCursor_FieldDecl) fields.push_back(c);
    return fields.size() == 1 && take(clang_getCursorSpelling(fields[0])) == "lpVtbl";
}

// The first named field reachable through anonymous members.
std::string firstLeaf(CXCursor record) {
    for (CXCursor c : children(record)) {
        if (c.kind == CXCursor_FieldDecl) return take(clang_getCursorSpelling(c));
        if (isRecordDecl(c) && clang_Cursor_isAnonymousRecordDecl(c)) {
            std::string leaf = firstLeaf(c);
            if (!leaf.empty()) return leaf;
        }
    }
    return {};
}

bool isSignedKind(CXTypeKind k) {
    return k == CXType_Char_S || k == CXType_SChar || k == CXType_WChar || k == CXType_Short ||
           k == CXType_Int || k == CXType_Long || k == CXType_LongLong;
}

std::string builtinName(CXTypeKind k) {
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

}  // namespace

std::shared_ptr<const Record> DeclarationReader::recordOf(CXCursor def) {
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

CTypePtr DeclarationReader::convert(CXType t) {
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

}  // namespace tolvane::gen
