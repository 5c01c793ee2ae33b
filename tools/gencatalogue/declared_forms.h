#pragma once
// Reads back the parts of a generated declaration that a usage sample needs:
// the declared name, the result type and each parameter's name, type and
// whether it is passed by reference.
#include <optional>
#include <string>
#include <vector>

namespace tolvane::gen {

struct Declared {
    std::string name, result;  // result "" for a VB Sub, "void" in C#
    struct Param {
        std::string name, type;
        bool byRef = false;
    };
    std::vector<Param> params;
};

// "Declare [PtrSafe] Function|Sub Name Lib ... (ByVal x As T, ...) [As T]".
std::optional<Declared> readVb(const std::string& declare);
// "[DllImport(...)]" CR LF "static extern T Name([MarshalAs(...)] [ref ]T x, ...);".
std::optional<Declared> readCs(const std::string& declare);

}  // namespace tolvane::gen
