#pragma once
// Reads the rows of a built catalogue file, for checks over whole catalogues.
#include <string>
#include <vector>

namespace tolvane::test {

struct CatalogueRow {
    long long id = 0;
    std::string name;
    int cls = 0;
    std::string libsclass, win95, winnt, explain, declare, csharp, parameter, recode, returned,
        othername, other, vba64;  // Null as ""
};

// Every row in ID order; empty if the file cannot be read.
std::vector<CatalogueRow> readCatalogue(const std::string& path);

// The rows of the default catalogue the build generated, read once per
// process; a file that cannot be read fails the calling test.
const std::vector<CatalogueRow>& generatedCatalogue();

}  // namespace tolvane::test
