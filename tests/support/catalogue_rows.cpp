#include "support/catalogue_rows.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace tolvane::test {

namespace {

// Every row in ID order; empty if the file cannot be read.
std::vector<CatalogueRow> readCatalogue(const std::string& path) {
    std::vector<CatalogueRow> rows;
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
        sqlite3_prepare_v2(
            db,
            "SELECT ID, name, class, libsclass, win95, winnt, explain, declare, CSharp, "
            "parameter, recode, returned, othername, other, vba64 FROM winfun ORDER BY ID",
            -1, &st, nullptr);
    while (st && sqlite3_step(st) == SQLITE_ROW) {
        std::string text[15];
        for (int i = 0; i < 15; ++i)
            if (const unsigned char* t = sqlite3_column_text(st, i))
                text[i] = reinterpret_cast<const char*>(t);
        rows.push_back({sqlite3_column_int64(st, 0), text[1], sqlite3_column_int(st, 2), text[3],
                        text[4], text[5], text[6], text[7], text[8], text[9], text[10], text[11],
                        text[12], text[13], text[14]});
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

}  // namespace

const std::vector<CatalogueRow>& generatedCatalogue() {
    static const std::vector<CatalogueRow> all = readCatalogue(TOLVANE_GENERATED_CATALOGUE);
    if (all.empty()) ADD_FAILURE() << "cannot read " << TOLVANE_GENERATED_CATALOGUE;
    return all;
}

}  // namespace tolvane::test
