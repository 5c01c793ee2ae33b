#pragma once
// Reads the exports an import library names: a Unix "ar" archive whose
// members are either short import records or the small COFF objects that
// GNU dlltool writes (one per export, plus a head and a tail naming the DLL).
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::gen {

struct Export {
    std::string name;  // the name the DLL exports
    std::string dll;   // lower case, e.g. "kernel32.dll"
    bool code = true;  // a function rather than data
};

// Exports of one archive, in archive order. Malformed members are skipped;
// a file that is not an archive yields nothing.
std::vector<Export> readImportLibrary(std::string_view archive);

}  // namespace tolvane::gen
