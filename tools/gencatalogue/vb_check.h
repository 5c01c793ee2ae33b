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

// A usage sample (lines after a comment heading) of the function `declare`
// declares: Dim lines of known types (or arrays of them), each name once;
// assignments to declared variables (a String$ buffer, StrPtr and Len of a
// declared String, UBound + 1 of an array, Len of a declared Type into its
// own member); one call of the declared name with one declared variable (or
// an array's first element) per parameter, of the parameter's type where it
// is passed ByRef, its result in a variable of the result type; and If lines
// that test that result.
std::string checkVbSample(const std::string& sample, const std::string& declare,
                          const std::set<std::string>& types);

}  // namespace tolvane::gen
