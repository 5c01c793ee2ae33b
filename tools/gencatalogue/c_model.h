#pragma once
// The C declarations the generator works from, independent of how they were
// read: functions, structures and unions, and integer constants, with the
// types reduced to what the VB and C# maps need.
#include <memory>
#include <string>
#include <vector>

namespace tolvane::gen {

struct Record;
struct CType;
using CTypePtr = std::shared_ptr<const CType>;

enum class Kind { Void, Integer, Real, Pointer, Array, Record, Function, Unknown };

struct CType {
    Kind kind = Kind::Unknown;
    std::string spelling;            // as written in the declaration, e.g. "LPCSTR"
    std::vector<std::string> names;  // typedef chain, outermost first: LPCSTR, CONST CHAR* ...
    std::string builtin;             // Integer/Real: canonical spelling, e.g. "unsigned long"
    int size = 0;                    // bytes on the parsed target; 0 when unknown
    int align = 1;                   // C alignment on the parsed target
    bool isSigned = false;
    bool isConst = false;  // this level is const-qualified
    CTypePtr target;       // Pointer: pointee; Array: element
    long long count = 0;   // Array: element count, 0 for []
    // Record: the C name ("" when anonymous) and the definition (null when
    // the header only declares it).
    std::string record;
    std::shared_ptr<const Record> body;
    bool complete = false;
    bool isInterface = false;  // COM interface: a structure holding only lpVtbl

    bool hasName(const std::string& n) const;
};

struct Field {
    std::string name;  // empty for an anonymous member
    CTypePtr type;
    int bitWidth = -1;     // -1 when not a bit field
    long long offset = 0;  // bytes from the start of the enclosing record
};

struct Record {
    std::string name;
    bool isUnion = false;
    int size = 0;
    int pack = 0;  // explicit packing below natural alignment, 0 otherwise
    std::vector<Field> fields;
    std::string header;
    std::string sameAs;  // hand-made records: the structure it equals under another name
};

// What a pointer parameter carries, beyond its C type, by the reviewed facts
// (param_roles.h): how each language must declare it to be callable as
// documented.
enum class Role {
    Plain,
    Optional,  // NULL may be passed
    Address,   // an address passed as a value
    Sized,     // a buffer for a variable-length result, sized by other parameters
    Owned,     // a pointer the API owns, handed back to it
};

struct Param {
    std::string name;  // empty when the header gives none
    CTypePtr type;
    Role role = Role::Plain;
    // Sized: the parameter giving the buffer's size (a value, or a pointer
    // that also receives the size needed), and the one receiving the size
    // needed when that is another ("result": the function's result).
    std::string sizeIn{}, sizeNeeded{};
};

struct Function {
    std::string name;
    CTypePtr result;
    std::vector<Param> params;
    bool cdecl_ = false;
    bool variadic = false;
    std::string header;
    // Set for hand-made records only (hand_records.h): the DLL the record
    // is catalogued under, the export it calls when that differs from the
    // name, and the export a 32-bit process calls instead; whether only the
    // 32-bit DLL exports it (the x64 intrinsics such as InterlockedIncrement),
    // a reviewed fact the import libraries do not show.
    std::string dll, exportName, export32;
    bool only32 = false;
};

struct Constant {
    std::string name;
    long long value = 0;
    int bytes = 4;
    bool isUnsigned = false;
    bool isPointer = false;
    bool hex = false;  // the definition writes its number in hexadecimal
    std::string header;
    std::string body;       // the definition's text after the name
    bool isString = false;  // a string constant: `text` holds it, not `value`
    std::string text;
    std::string enumeration;  // an enumerator: its enumeration's name ("" when unnamed)
};

// A typedef naming a structure under another name (typedef GUID CLSID):
// `target` is the structure's C name.
struct Alias {
    std::string name, target, header;
};

// A typedef of a scalar, a pointer or a handle (typedef unsigned long DWORD;
// DECLARE_HANDLE(HWND)): `type` is the typedef's own type (its name first
// in `type->names`), `definition` the type it names as the header spells it.
struct Typedef {
    std::string name, header, definition;
    CTypePtr type;
};

// A named enumeration and its enumerators, in the order the header lists them.
struct Enumeration {
    std::string name, header;
    std::vector<std::string> members;
};

}  // namespace tolvane::gen
