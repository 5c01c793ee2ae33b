#include "tools/catalogue_rows.h"

namespace tolvane::test {

std::vector<CatalogueRow> readCatalogue(const std::string& path) {
    std::vector<CatalogueRow> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt* st = nullptr;
    const char* sql =
        "SELECT ID, name, class, libsclass, win95, winnt, explain, declare, CSharp, parameter, "
        "recode, returned, othername, other FROM winfun ORDER BY ID";
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK) {
        auto text = [&](int column) {
            const unsigned char* t = sqlite3_column_text(st, column);
            return t ? std::string(reinterpret_cast<const char*>(t)) : std::string();
        };
        while (sqlite3_step(st) == SQLITE_ROW) {
            CatalogueRow r;
            r.id = sqlite3_column_int64(st, 0);
            r.name = text(1);
            r.cls = sqlite3_column_int(st, 2);
            r.libsclass = text(3);
            r.win95 = text(4);
            r.winnt = text(5);
            r.explain = text(6);
            r.declare = text(7);
            r.csharp = text(8);
            r.parameter = text(9);
            r.recode = text(10);
            r.returned = text(11);
            r.othername = text(12);
            r.other = text(13);
            rows.push_back(std::move(r));
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

std::map<std::string, CatalogueRow> byName(const std::vector<CatalogueRow>& rows) {
    std::map<std::string, CatalogueRow> out;
    for (const CatalogueRow& r : rows) out.emplace(r.name, r);
    return out;
}

}  // namespace tolvane::test
