#pragma once
// Structural checks of generated VB6 and 64-bit VBA text: what the
// compiler would reject or misread. Each returns a description of the first
// problem, or "".
#include <set>
#include <string>

#include "vb_dialect.h"

namespace tolvane::gen {

// The built-in types a declaration may name, besides Types: 64-bit VBA adds
// LongPtr and LongLong.
bool isVbBuiltinType(const std::string& type, VbDialect dialect = VbDialect::Vb6);

// A Declare statement for a function exported as `exportName`: PtrSafe
// exactly in 64-bit VBA, balanced parentheses, known types only, unique
// parameter names, and Alias exactly when the export name differs from the
// declared name.
std::string checkVbDeclare(const std::string& declare, const std::string& exportName,
                           const std::set<std::string>& types, VbDialect dialect = VbDialect::Vb6);

// A "Type ... End Type" block with known member types and unique names.
std::string checkVbType(const std::string& block, const std::set<std::string>& types,
                        VbDialect dialect = VbDialect::Vb6);

// A "Const NAME = literal" line; 64-bit VBA takes LongLong literals (^)
// where VB6 needs a Double or the digits in a String.
std::string checkVbConst(const std::string& line, VbDialect dialect = VbDialect::Vb6);

// An enumeration's "Enum ... End Enum" block (Long members, each named
// once), or its members as Const lines where an Enum cannot hold them.
std::string checkVbEnum(const std::string& block, VbDialect dialect = VbDialect::Vb6);

// A usage sample (lines after a comment heading) of the function `declare`
// declares, in the dialect of that Declare: Dim lines of known types (or
// fixed or dynamic arrays of them), each name once; assignments to declared
// variables and members of declared Types (a String$ buffer, vbNullString,
// Len, UBound + 1, StrPtr, a number or another integer); ReDim of a dynamic
// array to an integer; one or two calls of the declared name, each with one
// argument per parameter: a declared variable (of the parameter's type where
// it is passed ByRef), an array's first element, or ByVal 0& (ByVal 0^ in
// 64-bit VBA) for a parameter As Any; the result in a variable of the result
// type; and If lines that test that result.
std::string checkVbSample(const std::string& sample, const std::string& declare,
                          const std::set<std::string>& types);

}  // namespace tolvane::gen
