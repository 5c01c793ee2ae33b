// The generated catalogue against hand-checked declarations in golden.txt.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/catalogue_rows.h"

namespace {

using tolvane::test::CatalogueRow;

// The entries of golden.txt: name, class and library, VB form, C# form,
// (for some) the 64-bit VBA form, explain, sample, parameters and othername.
std::vector<CatalogueRow> readGolden() {
    std::ifstream in(TOLVANE_SOURCE_DIR "/tests/tools/golden.txt");
    std::vector<CatalogueRow> entries;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        CatalogueRow& g = entries.emplace_back();
        std::istringstream head(line);
        std::getline(head, g.name, '\t');
        head >> g.cls;
        head.ignore(1);
        std::getline(head, g.libsclass);
        std::string* form = &g.declare;
        while (std::getline(in, line) && !line.empty()) {
            if (line == "--") {
                form = form == &g.declare ? &g.csharp : &g.vba64;
            } else if (line.starts_with("-- ")) {
                form = line == "-- explain"     ? &g.explain
                       : line == "-- recode"    ? &g.recode
                       : line == "-- parameter" ? &g.parameter
                                                : &g.othername;
            } else {
                if (!form->empty()) *form += "\r\n";
                *form += line == "~" ? "" : line;  // "~" stands for an empty line
            }
        }
    }
    return entries;
}

TEST(GoldenCatalogue, WellKnownDeclarationsMatchTheirHandCheckedForms) {
    const std::vector<CatalogueRow> golden = readGolden();
    const std::vector<CatalogueRow>& rows = tolvane::test::generatedCatalogue();
    ASSERT_FALSE(rows.empty());
    int kinds[3] = {};  // types, constants, functions
    int vba64Forms = 0;
    for (const CatalogueRow& g : golden) {
        SCOPED_TRACE(g.name);
        ++kinds[std::min(g.cls, 1) + 1];
        const CatalogueRow* row = nullptr;
        for (const CatalogueRow& r : rows)
            if (r.name == g.name && (r.cls == g.cls || (g.cls > 0 && r.cls > 0))) row = &r;
        ASSERT_NE(row, nullptr) << "no record";
        EXPECT_EQ(row->cls, g.cls);
        EXPECT_EQ(row->libsclass, g.libsclass);
        EXPECT_EQ(row->declare, g.declare);
        EXPECT_EQ(row->csharp, g.csharp);
        if (!g.vba64.empty()) {
            EXPECT_EQ(row->vba64, g.vba64);
            ++vba64Forms;
        }
        for (auto column : {&CatalogueRow::explain, &CatalogueRow::recode, &CatalogueRow::parameter,
                            &CatalogueRow::othername})
            if (!(g.*column).empty()) {
                EXPECT_EQ(row->*column, g.*column);
            }
    }
    EXPECT_GE(vba64Forms, 9);
    EXPECT_GE(golden.size(), 50u);
    EXPECT_GE(kinds[0], 10);
    EXPECT_GE(kinds[1], 10);
    EXPECT_GE(kinds[2], 30);
}

}  // namespace
