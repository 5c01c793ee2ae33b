#pragma once
// The C-to-VB6 map: declarations for Declare statements, Type blocks and
// Const lines.
//
//   C                                   VB6
//   void result                         Sub
//   8/16/32/64-bit integers, enums      Byte / Integer / Long / Currency
//   BOOL                                Long
//   float, double                       Single, Double
//   handles, pointer-sized integers     ByVal As Long
//   callbacks (function pointers)       ByVal As Long
//   char*                               ByVal As String
//   wchar_t*                            ByVal As Long (pass StrPtr)
//   pointer to an integer or real       ByRef As that type
//   pointer to a structure with a Type  ByRef As that Type
//   pointer to a pointer or handle      ByRef As Long
//   void* and other pointers            ByRef As Any
//   LARGE_INTEGER, ULARGE_INTEGER       Currency
//   structure by value                  its 32-bit words, ByVal As Long each
//   any pointer as a result             Long
//   fields: char[n] As String * n, char* As String, other arrays (0 To n-1)
#include <string>
#include <vector>

#include "c_model.h"
#include "type_names.h"
#include "vb_dialect.h"

namespace tolvane::gen {

// The 64-bit VBA form (vb_dialect.h) follows the same map, given the types
// as a 64-bit process sees them, with LongPtr for every pointer-sized value
// and LongLong for 64-bit integers; a structure by value is one integer when
// it is 1, 2, 4 or 8 bytes long (the x64 calling convention passes it in a
// register), else passed ByRef (a pointer to it).

// VB type of a field or result value; "" when VB has no such value.
std::string vbValueType(const CType& t, const TypeNames& names, bool isField,
                        VbDialect dialect = VbDialect::Vb6);

// The VB parameters for one C parameter (a structure passed by value takes
// several); position counts from 1 and names unnamed parameters.
std::vector<std::string> vbParams(const Param& p, int position, const TypeNames& names,
                                  VbDialect dialect = VbDialect::Vb6);

// "Declare [PtrSafe] Function|Sub Name Lib "lib" [Alias "export"] (...) [As Type]",
// Name made a VB identifier (_lopen is declared as lopen); Alias when the
// export name differs from it. Empty when VB cannot express the result.
std::string vbDeclare(const std::string& name, const std::string& exportName,
                      const std::string& lib, const Function& f, const TypeNames& names,
                      VbDialect dialect = VbDialect::Vb6);

// "Const NAME = value": hexadecimal as &H...& (a Long), decimal otherwise;
// values beyond 32 bits as an exact Double or the digits in a String (VB6),
// or as a LongLong literal with the ^ suffix (64-bit VBA); a string in
// quotes, quotes doubled.
std::string vbConst(const Constant& c, VbDialect dialect = VbDialect::Vb6);

}  // namespace tolvane::gen
