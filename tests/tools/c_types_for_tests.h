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

// A type of `kind` with its size, spelling, typedef names and target.
inline std::shared_ptr<CType> make(Kind kind, int size, std::string spelling,
                                   std::vector<std::string> names = {}, CTypePtr target = nullptr) {
    auto t = std::make_shared<CType>();
    t->kind = kind, t->size = size;
    t->align = size == 2 || size == 4 || size == 8 ? size : 1;
    t->spelling = names.empty() ? std::move(spelling) : names.front();
    t->names = std::move(names);
    t->target = std::move(target);
    return t;
}

inline CTypePtr integer(int size, bool isSigned, std::vector<std::string> names,
                        std::string builtin) {
    auto t = make(Kind::Integer, size, builtin, std::move(names));
    t->isSigned = isSigned;
    t->builtin = std::move(builtin);
    return t;
}
inline CTypePtr voidType() { return make(Kind::Void, 0, "void"); }

inline CTypePtr pointer(CTypePtr target, std::vector<std::string> names = {}) {
    return make(Kind::Pointer, 4, target->spelling + " *", std::move(names), target);
}

// A complete structure laid out as C does, members at their natural
// alignment.
inline CTypePtr record(const std::string& name, std::vector<Field> fields) {
    auto r = std::make_shared<Record>();
    r->name = name, r->header = "test.h";
    long long offset = 0;
    int align = 1;
    for (Field& f : fields) {
        align = std::max(align, f.type->align);
        f.offset = offset = (offset + f.type->align - 1) / f.type->align * f.type->align;
        offset += f.type->size;
    }
    r->size = static_cast<int>((offset + align - 1) / align * align);
    r->fields = std::move(fields);
    auto t = make(Kind::Record, r->size, name);
    t->align = align;
    t->record = name, t->complete = true, t->body = r;
    return t;
}

inline Field field(const std::string& name, CTypePtr type) {
    Field f;
    f.name = name, f.type = std::move(type);
    return f;
}

// A function declared in "test.h".
inline gen::Function declaration(const std::string& name, CTypePtr result,
                                 std::vector<gen::Param> params) {
    gen::Function f;
    f.name = name, f.result = std::move(result), f.params = std::move(params), f.header = "test.h";
    return f;
}

// A constant as the header reader gives it.
inline gen::Constant constant(const std::string& name, long long value, bool hex, int bytes = 4,
                              bool isUnsigned = false, bool isPointer = false) {
    gen::Constant c;
    c.name = name, c.value = value, c.hex = hex, c.bytes = bytes, c.isUnsigned = isUnsigned,
    c.isPointer = isPointer;
    return c;
}

// The usual typedefs.
inline CTypePtr CHAR() { return integer(1, true, {"CHAR"}, "char"); }
inline CTypePtr DWORD() { return integer(4, false, {"DWORD"}, "unsigned long"); }
inline CTypePtr LONG() { return integer(4, true, {"LONG"}, "long"); }
inline CTypePtr INT() { return integer(4, true, {}, "int"); }
inline CTypePtr BOOL() { return integer(4, true, {"WINBOOL"}, "int"); }
inline CTypePtr LPARAM() { return integer(4, true, {"LPARAM", "LONG_PTR"}, "long"); }
inline CTypePtr HWND() { return pointer(record("HWND__", {field("unused", INT())}), {"HWND"}); }
inline CTypePtr LPSTR() { return pointer(CHAR(), {"LPSTR"}); }
inline CTypePtr LPVOID() { return pointer(voidType(), {"LPVOID"}); }

}  // namespace tolvane::test::c
