#pragma once
// Turns the declarations read from the headers and the exports read from the
// import libraries into catalogue rows.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "c_model.h"
#include "layouts_file.h"

namespace tolvane::gen {

struct Row {
    std::string name;
    int cls = 2;
    std::string libsclass, win95, winnt, explain, declare, csharp, parameter, recode, returned,
        othername, other;
    std::string vba64;                 // the 64-bit VBA form
    std::vector<std::string> exports;  // export names the row describes (not stored)
};

struct Declarations {
    std::vector<Function> functions;                     // source order
    std::vector<std::shared_ptr<const Record>> records;  // named, defined
    std::vector<Constant> constants;                     // macros, then enumerators
    std::vector<Enumeration> enumerations;
    std::vector<Alias> aliases;
    std::vector<Typedef> typedefs;  // of scalars, pointers and handles
    // The structures as laid out on 64-bit Windows, by C name.
    std::map<std::string, std::shared_ptr<const Record>> records64;
    // The prototypes and the integer macros (sizes, pointer-sized values)
    // as a 64-bit process sees them; a name the 64-bit headers make a macro
    // for another structure or function maps to that one.
    std::map<std::string, Function> functions64;
    std::vector<Constant> constants64;
    std::map<std::string, Typedef> typedefs64;
};

// Names (functions, structures, macros) the headers declare when set to an
// older Windows version.
struct Availability {
    std::set<std::string> win95;                // WINVER and _WIN32_WINNT 0x0400
    std::set<std::string> winnt;                // WINVER and _WIN32_WINNT 0x0501
    std::map<int, std::set<std::string>> more;  // the other levels, for the minimum version
};

// Export name -> the DLLs whose import libraries export it as a function.
using ExportIndex = std::map<std::string, std::vector<std::string>>;
// What the import libraries say beyond the code exports.
struct ExportDetails {
    // Every export, also those whose library member has no jump thunk: the
    // 32-bit kernel32 library implements InterlockedIncrement itself and
    // keeps only the DLL's import of it.
    ExportIndex anyKind;
};

struct Skipped {
    int notExported = 0;    // declared, but no import library exports it
    int excludedOnly = 0;   // exported only by excluded DLLs
    int variadic = 0;       // "..." cannot be declared in VB or marshalled
    int inexpressible = 0;  // a result or parameter neither language can take
    // Left out as records nobody looks up (rules in extra_records.h).
    int interfaceStubs = 0;      // COM interface structures holding only lpVtbl
    int handleDummies = 0;       // DECLARE_HANDLE's HDC__ ...
    int marshallingHelpers = 0;  // RPC/NDR *_UserMarshal ..., Ndr*
};

struct Catalogue {
    std::vector<Row> rows;  // sorted by name, class, DLL
    Skipped skipped;
    std::vector<CLayout> layouts;  // clang's layouts of every Type, per form
};

Catalogue buildCatalogue(const Declarations& d, const ExportIndex& exports,
                         const Availability& availability,
                         const std::vector<LayoutException>& exceptions = {},
                         const ExportDetails& details = {});

// The generic name of an ANSI/Unicode pair, or "" unless both `ansiName` and
// its Unicode twin are among `names` and the generic name is not.
std::string pairGeneric(const std::string& ansiName, const std::set<std::string>& names);

}  // namespace tolvane::gen
