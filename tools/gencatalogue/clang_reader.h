#pragma once
// Reads the SDK headers with libclang, parsed for the 32-bit Windows target
// so that __stdcall and the 32-bit sizes are those a VB6 or 32-bit .NET
// program sees; the structures are read once more for the 64-bit target.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "catalogue.h"

namespace tolvane::gen {

struct ParseSettings {
    std::string includeDir;            // the mingw-w64 include folder
    std::string resourceDir;           // clang's own headers (stddef.h, ...)
    std::vector<std::string> headers;  // included in this order
    std::string version = "0x0A00";    // WINVER and _WIN32_WINNT
    std::string target = "i686-w64-mingw32";
    std::string extraSource;  // appended after the headers (hand-made records)
};

struct ParseResult {
    Declarations declarations;
    std::set<std::string> included;  // the headers read, below the include folder
    int errors = 0;                  // error diagnostics of the main parse
    std::vector<std::string> firstErrors;
};

// Functions, structures and integer macros of the headers. Throws
// std::runtime_error when libclang cannot parse at all.
ParseResult readHeaders(const ParseSettings& settings);

// The headers as a 64-bit process sees them (settings.target): the named
// structures' layouts (which the C# forms must also match and the 64-bit
// VBA Types are laid out from), the prototypes and the integer macros'
// values, into d.records64, d.functions64 and d.constants64.
void read64Bit(const ParseSettings& settings, Declarations& d);

// Function, structure and macro names declared with the headers set to the
// given version.
std::set<std::string> declaredNames(const ParseSettings& settings);

}  // namespace tolvane::gen
