#pragma once
// The explain column: only what the headers, the export tables and the
// reviewed rule tables establish, never what a function does.
#include <string>

#include "availability.h"
#include "c_model.h"
#include "error_report.h"

namespace tolvane::gen {

struct FunctionFacts {
    std::string header;
    std::string dll;   // file name, "kernel32.dll"
    std::string ansi;  // the export the row declares (the ANSI half of a pair)
    std::string wide;  // the Unicode half, "" when the function has no pair
    bool cdecl_ = false;
    Support support;
    ErrorRule error;
    const CType* result = nullptr;
};

std::string functionExplain(const FunctionFacts& f);

// What the roles of a function's parameters mean for a caller: which may be
// NULL and how to pass it, which are address values, which receive a
// variable-length result, which hand back a pointer the API owns.
// `csOverload`: the C# form has a second declaration taking NULL.
std::string roleNotes(const Function& f, bool csOverload);

// The marker the parameter column gives a parameter of this role, "" for none.
std::string roleMarker(const Param& p);

// "需要 Windows Vista 或更高版本。", or "" for a level the 95 and NT 4.0
// headers already have.
std::string versionNote(int level);

// The sentence on how the function reports failure; "" when unstated.
std::string errorNote(const ErrorRule& rule, const CType& result);

// "值 0x10（十进制 16）" in the width of the constant; a string as "值 \"…\"".
std::string constantValue(const Constant& c);

// A constant's explain; `unicode` is the Unicode twin of a TCHAR constant
// (whose value the C# form takes), nullptr otherwise.
std::string constantExplain(const Constant& c, const Constant* unicode, const std::string& ansiName,
                            int level);

}  // namespace tolvane::gen
