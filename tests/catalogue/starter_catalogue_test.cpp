// Structural checks over every row of the built default catalogue: the copy
// command, the check boxes and the DLL filter all rely on these forms.
#include "catalogue/vocabulary.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <QStringList>
#include <string>
#include <vector>

namespace {

struct Row {
    std::string name;
    int cls = 0;
    std::string libsclass, win95, winnt, declare;
    bool csharpNull = false;
    std::string csharp;
};

std::string text(sqlite3_stmt* st, int col) {
    const auto* p = sqlite3_column_text(st, col);
    return p ? reinterpret_cast<const char*>(p) : "";
}

std::vector<Row> loadRows() {
    std::vector<Row> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(TOLVANE_STARTER_CATALOGUE, &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT name, class, libsclass, win95, winnt, declare, CSharp FROM winfun",
                       -1, &st, nullptr);
    while (st && sqlite3_step(st) == SQLITE_ROW) {
        Row r;
        r.name = text(st, 0);
        r.cls = sqlite3_column_int(st, 1);
        r.libsclass = text(st, 2);
        r.win95 = text(st, 3);
        r.winnt = text(st, 4);
        r.declare = text(st, 5);
        r.csharpNull = sqlite3_column_type(st, 6) == SQLITE_NULL;
        r.csharp = text(st, 6);
        rows.push_back(std::move(r));
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

const std::vector<Row>& rows() {
    static const std::vector<Row> all = loadRows();
    return all;
}

bool isFunction(const Row& r) { return r.cls > 0; }

std::size_t count(const std::string& s, const std::string& what) {
    std::size_t n = 0;
    for (auto p = s.find(what); p != std::string::npos; p = s.find(what, p + what.size())) ++n;
    return n;
}

}  // namespace

TEST(StarterCatalogueTest, HoldsFunctionsTypesAndConstants) {
    int functions = 0, types = 0, constants = 0;
    for (const Row& r : rows()) {
        if (isFunction(r)) ++functions;
        else if (r.cls == -1) ++types;
        else if (r.cls == 0) ++constants;
        else ADD_FAILURE() << r.name << " has class " << r.cls;
        EXPECT_LE(r.cls, 16) << r.name;
    }
    EXPECT_GE(functions, 30);
    EXPECT_GE(types, 4);
    EXPECT_GE(constants, 4);
}

// GetSystemMetrics keeps a lower-case "yes" on purpose; nothing else may.
TEST(StarterCatalogueTest, SystemFlagsAreExactlyYesOrNoBarTheOneQuirk) {
    int quirks = 0;
    for (const Row& r : rows()) {
        if (r.name == "GetSystemMetrics" && r.win95 == "yes") {
            ++quirks;
        } else {
            EXPECT_TRUE(r.win95 == "Yes" || r.win95 == "No") << r.name << " win95=" << r.win95;
        }
        EXPECT_TRUE(r.winnt == "Yes" || r.winnt == "No") << r.name << " winnt=" << r.winnt;
    }
    EXPECT_EQ(quirks, 1);
}

TEST(StarterCatalogueTest, FunctionLibrariesAreSpelledAsInTheDllFilter) {
    QStringList dlls = tolvane::kDllList.split(QLatin1Char('~'));
    dlls.removeAt(tolvane::kAllLibrariesPosition);
    for (const Row& r : rows()) {
        if (isFunction(r)) {
            EXPECT_TRUE(dlls.contains(QString::fromStdString(r.libsclass)))
                << r.name << " libsclass=" << r.libsclass;
        } else {
            EXPECT_EQ(r.libsclass, "") << r.name;
        }
    }
}

TEST(StarterCatalogueTest, VbDeclarationsHaveNoAccessWordAndNameTheirLibrary) {
    for (const Row& r : rows()) {
        for (const char* word : {"Private", "Public", "Friend", "Global"})
            EXPECT_NE(r.declare.rfind(word, 0), 0u) << r.name;
        EXPECT_EQ(count(r.declare, "("), count(r.declare, ")")) << r.name;
        if (!isFunction(r)) continue;
        const std::string tail = " " + r.name + " Lib \"" + r.libsclass + "\"";
        EXPECT_TRUE(r.declare.rfind("Declare Function" + tail, 0) == 0 ||
                    r.declare.rfind("Declare Sub" + tail, 0) == 0)
            << r.declare;
    }
}

// The copy command turns CR LF + "static extern" into a private declaration,
// so a function's C# form must be the attribute line and exactly that one break.
TEST(StarterCatalogueTest, CSharpFunctionsAreAttributeLineThenStaticExtern) {
    int nulls = 0;
    for (const Row& r : rows()) {
        if (r.csharpNull) {
            ++nulls;
            continue;
        }
        if (!isFunction(r)) continue;
        EXPECT_EQ(r.csharp.rfind("[DllImport(\"", 0), 0u) << r.name;
        EXPECT_EQ(count(r.csharp, "\r\n"), 1u) << r.name;
        EXPECT_EQ(count(r.csharp, "\r\nstatic extern "), 1u) << r.name;
        EXPECT_NE(r.csharp.find(" " + r.name + "("), std::string::npos) << r.name;
        EXPECT_EQ(r.csharp.back(), ';') << r.name;
    }
    EXPECT_EQ(nulls, 1);
}

TEST(StarterCatalogueTest, NoBareLineFeedsOrCarriageReturns) {
    for (const Row& r : rows()) {
        for (const std::string* s : {&r.declare, &r.csharp}) {
            EXPECT_EQ(count(*s, "\n"), count(*s, "\r\n")) << r.name;
            EXPECT_EQ(count(*s, "\r"), count(*s, "\r\n")) << r.name;
        }
    }
}
