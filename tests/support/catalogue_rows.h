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

// The rows of the default catalogue the build generated, in ID order, read
// once per process; a file that cannot be read fails the calling test.
const std::vector<CatalogueRow>& generatedCatalogue();

}  // namespace tolvane::test
