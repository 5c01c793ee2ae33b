#pragma once
// Builds the C types of familiar Windows declarations for the generator's
// unit tests, the way the header reader would describe them.
#include <memory>
#include <string>
#include <vector>

#include "c_model.h"

namespace tolvane::test::c {

using gen::CType;
using gen::CTypePtr;
using gen::Field;
using gen::Kind;
using gen::Record;

inline CTypePtr integer(int size, bool isSigned, std::vector<std::string> names, std::string builtin) {
    auto t = std::make_shared<CType>();
    t->kind = Kind::Integer;
    t->size = size;
    t->isSigned = isSigned;
    t->names = names;
    t->spelling = names.empty() ? builtin : names.front();
    t->builtin = std::move(builtin);
    return t;
}

inline CTypePtr voidType() {
    auto t = std::make_shared<CType>();
    t->kind = Kind::Void;
    t->spelling = "void";
    return t;
}

inline CTypePtr constOf(CTypePtr base) {
    auto t = std::make_shared<CType>(*base);
    t->isConst = true;
    return t;
}

inline CTypePtr pointer(CTypePtr target, std::vector<std::string> names = {}) {
    auto t = std::make_shared<CType>();
    t->kind = Kind::Pointer;
    t->size = 4;
    t->names = names;
    t->spelling = names.empty() ? target->spelling + " *" : names.front();
    t->target = std::move(target);
    return t;
}

inline CTypePtr array(CTypePtr element, long long count) {
    auto t = std::make_shared<CType>();
    t->kind = Kind::Array;
    t->count = count;
    t->size = static_cast<int>(element->size * count);
    t->spelling = element->spelling + "[" + std::to_string(count) + "]";
    t->target = std::move(element);
    return t;
}

inline CTypePtr real(int size) {
    auto t = std::make_shared<CType>();
    t->kind = Kind::Real;
    t->size = size;
    t->spelling = size == 4 ? "float" : "double";
    return t;
}

inline CTypePtr function() {
    auto t = std::make_shared<CType>();
    t->kind = Kind::Function;
    return t;
}

// A record type; `name` "" makes it anonymous, `fields` empty and
// `complete` false an opaque declaration.
inline CTypePtr record(const std::string& name, std::vector<Field> fields, bool isUnion = false,
                       bool complete = true) {
    auto r = std::make_shared<Record>();
    r->name = name;
    r->isUnion = isUnion;
    long long offset = 0;
    for (Field& f : fields) {
        f.offset = isUnion ? 0 : offset;
        if (!isUnion) offset += f.type->size;
        r->size = std::max(r->size, isUnion ? f.type->size : static_cast<int>(offset));
    }
    r->fields = std::move(fields);
    r->header = "test.h";
    auto t = std::make_shared<CType>();
    t->kind = Kind::Record;
    t->record = name;
    t->spelling = name;
    t->complete = complete;
    t->size = r->size;
    if (complete) t->body = r;
    return t;
}

inline Field field(const std::string& name, CTypePtr type, int bitWidth = -1) {
    Field f;
    f.name = name;
    f.type = std::move(type);
    f.bitWidth = bitWidth;
    return f;
}

// The usual typedefs.
inline CTypePtr CHAR() { return integer(1, true, {"CHAR"}, "char"); }
inline CTypePtr BYTE() { return integer(1, false, {"BYTE"}, "unsigned char"); }
inline CTypePtr WCHAR() { return integer(2, false, {"WCHAR", "wchar_t"}, "unsigned short"); }
inline CTypePtr WORD() { return integer(2, false, {"WORD"}, "unsigned short"); }
inline CTypePtr DWORD() { return integer(4, false, {"DWORD"}, "unsigned long"); }
inline CTypePtr LONG() { return integer(4, true, {"LONG"}, "long"); }
inline CTypePtr INT() { return integer(4, true, {}, "int"); }
inline CTypePtr BOOL() { return integer(4, true, {"WINBOOL"}, "int"); }
inline CTypePtr LONGLONG() { return integer(8, true, {"LONGLONG"}, "long long"); }
inline CTypePtr LPARAM() { return integer(4, true, {"LPARAM", "LONG_PTR"}, "long"); }
inline CTypePtr HWND() { return pointer(record("HWND__", {field("unused", INT())}), {"HWND"}); }
inline CTypePtr HANDLE() { return pointer(voidType(), {"HANDLE"}); }
inline CTypePtr LPCSTR() { return pointer(constOf(CHAR()), {"LPCSTR"}); }
inline CTypePtr LPSTR() { return pointer(CHAR(), {"LPSTR"}); }
inline CTypePtr LPCWSTR() { return pointer(constOf(WCHAR()), {"LPCWSTR"}); }
inline CTypePtr LPWSTR() { return pointer(WCHAR(), {"LPWSTR"}); }
inline CTypePtr LPVOID() { return pointer(voidType(), {"LPVOID"}); }
inline CTypePtr RECT() {
    return record("RECT", {field("left", LONG()), field("top", LONG()), field("right", LONG()), field("bottom", LONG())});
}
inline CTypePtr POINT() { return record("POINT", {field("x", LONG()), field("y", LONG())}); }
inline CTypePtr LARGE_INTEGER() {
    return record("LARGE_INTEGER", {field("QuadPart", LONGLONG())}, true);
}
inline CTypePtr WNDPROC() { return pointer(function(), {"WNDPROC"}); }

}  // namespace tolvane::test::c
