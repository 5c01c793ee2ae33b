#pragma once
// Reads the rows of a built catalogue file for the generator's tests.
#include <sqlite3.h>

#include <map>
#include <string>
#include <vector>

namespace tolvane::test {

struct CatalogueRow {
    long long id = 0;
    std::string name;
    int cls = 0;
    std::string libsclass, win95, winnt, explain, declare, csharp, parameter, recode, returned,
        othername, other;
};

// Every row in ID order; empty if the file cannot be read.
std::vector<CatalogueRow> readCatalogue(const std::string& path);

// The rows by name; a name shared by a Type and a Const keeps the first.
std::map<std::string, CatalogueRow> byName(const std::vector<CatalogueRow>& rows);

}  // namespace tolvane::test
