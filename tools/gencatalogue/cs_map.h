#pragma once
// The C-to-C# map: DllImport declarations, StructLayout structs and consts.
//
//   C                                   C#
//   void result                         void
//   8/16/32/64-bit integers, enums      byte/sbyte, short/ushort, int/uint, long/ulong
//   wchar_t value                       char
//   BOOL                                bool (marshalled as the 4-byte BOOL)
//   float, double                       float, double
//   handles, pointer-sized integers     IntPtr
//   callbacks, void*, other pointers    IntPtr
//   const char*, const wchar_t*         string
//   char*, wchar_t* (buffers)           StringBuilder
//   pointer to an integer, real, BOOL   ref (the headers never say which
//                                       pointers are output only, so no out)
//   pointer to a structure with a Type  ref that struct
//   pointer to a pointer or handle      ref IntPtr
//   pointer to BYTE                     byte[]
//   GUID, LARGE_INTEGER, ULARGE_INTEGER Guid, long, ulong
//   any pointer as a result             IntPtr
//   fields: char[n] a ByValTStr string, other arrays ByValArray, strings string
// Strings follow the declaration's CharSet: Auto for an ANSI/Unicode pair,
// Ansi or Unicode for a function or structure that uses only one kind;
// strings of the other kind, or of a mixed declaration, carry MarshalAs.
#include <string>
#include <vector>

#include "c_model.h"
#include "c_types.h"
#include "cs_pack.h"
#include "type_names.h"

namespace tolvane::gen {

enum class CharSet { None, Ansi, Unicode, Auto };

// Which character kind each string parameter or field has in the ANSI and
// Unicode forms of a declaration; a pair's TCHAR strings differ between them.
struct StringSides {
    CharSet charSet = CharSet::None;
    std::vector<bool> generic;  // by parameter or field: a TCHAR string
};

// The MarshalAs attribute a string parameter or field of `kind` needs under
// the declaration's CharSet, "" when the CharSet covers it (`generic`: a
// TCHAR string of a pair).
std::string marshalString(CharKind kind, CharSet charSet, bool generic);

// "CharSet.Ansi" etc., "" for CharSet::None.
std::string charSetName(CharSet c);

// C# type of a value held in a field, passed by value or returned.
std::string csValueType(const CType& t, const TypeNames& names);

// "[MarshalAs(...)] ref int name" etc.; `generic` is true for a TCHAR string
// of a pair, which the CharSet covers. Pointers the parameter's role makes
// addresses (an address value, an owned pointer, a sized buffer) are IntPtr;
// so, in the NULL form, is an optional one that would be passed by ref.
std::string csParam(const Param& p, int position, const TypeNames& names, CharSet charSet,
                    bool generic, bool nullForm = false);

struct CsFunction {
    std::string name;  // method name, also the entry point the CharSet resolves
    std::string dll;   // "kernel32.dll"
    bool setLastError = false;
    std::string entryPoint;  // the export, when it is not the name
    bool nullForm = false;   // the overload passing IntPtr for optional pointers
};

// "[DllImport(...)]" CR LF "static extern Result Name(params);"; empty when
// the result cannot be expressed.
std::string csDeclare(const CsFunction& target, const Function& f, const TypeNames& names,
                      const StringSides& sides);

// "[StructLayout(...)]" CR LF "struct Name" CR LF "{" ... "}", preceded by
// a comment line when the Pack fits 64-bit processes only.
std::string csStruct(const std::string& name, const Record& r, const TypeNames& names,
                     const StringSides& sides, const PackChoice& pack);

// "const int|uint|long|ulong NAME = value;", or "const string NAME = "...";".
std::string csConst(const Constant& c);

// The functions whose failure GetLastError explains: those returning BOOL, a
// handle or a pointer.
bool setsLastError(const Function& f);

// The character set and TCHAR flags for a declaration from its ANSI form and,
// for a pair, its Unicode form (nullptr otherwise).
StringSides stringSides(const std::vector<CTypePtr>& ansi, const std::vector<CTypePtr>* wide);

}  // namespace tolvane::gen
