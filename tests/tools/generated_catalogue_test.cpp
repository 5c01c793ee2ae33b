// Whole-catalogue checks of the generated default catalogue: sizes, DLL
// spelling, the structure of every VB and 64-bit VBA form, the C# forms compiling with mcs,
// and the generator reproducing its output.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "dll_choice.h"
#include "support/catalogue_rows.h"
#include "support/read_file.h"
#include "tools/catalogue_forms.h"
#include "vb_check.h"

namespace {

using tolvane::test::CatalogueRow;
namespace fs = std::filesystem;

class GeneratedCatalogue : public ::testing::Test {
protected:
    static const std::vector<CatalogueRow>& rows() { return tolvane::test::generatedCatalogue(); }
};

TEST_F(GeneratedCatalogue, HoldsThousandsOfFunctionsTypesAndConstants) {
    std::map<int, int> byClass;
    std::map<std::string, int> byDll;
    for (const CatalogueRow& r : rows()) {
        ++byClass[r.cls];
        if (r.cls > 0) ++byDll[r.libsclass];
    }
    int functions = 0;
    for (int c = 2; c <= 16; ++c) functions += byClass[c];
    EXPECT_GT(functions, 5000);
    EXPECT_GT(byClass[-1], 3000);
    EXPECT_GT(byClass[0], 20000);
    EXPECT_EQ(byClass[1], 0) << "class 1 is the search's \"all categories\", never a record's";
    for (int c = 3; c <= 16; ++c) EXPECT_GT(byClass[c], 0) << "category " << c << " is empty";
    for (const char* dll :
         {"advapi32.dll", "comdlg32.dll", "lz32.dll", "shell32.dll", "winspool.drv"})
        EXPECT_GT(byDll[dll], 0) << dll;
    EXPECT_GT(byDll["kernel32"] + byDll["user32"] + byDll["gdi32"], 1500);
}

TEST_F(GeneratedCatalogue, RowsAreUniqueSortedAndWellFormedWithTheDllFilterSpelling) {
    const CatalogueRow* previous = nullptr;
    for (const CatalogueRow& r : rows()) {
        SCOPED_TRACE(r.name);
        if (previous) {
            EXPECT_TRUE(std::tie(previous->name, previous->cls) < std::tie(r.name, r.cls))
                << "order or repeat";
        }
        previous = &r;
        EXPECT_TRUE(r.win95 == "Yes" || r.win95 == "No");
        EXPECT_TRUE(r.winnt == "Yes" || r.winnt == "No");
        EXPECT_EQ(r.recode.empty(), r.cls <= 0) << "a sample for every function and nothing else";
        // "kernel32", "user32" and "gdi32" stand without ".dll", every other name with it.
        const bool bare = r.libsclass.find('.') == std::string::npos;
        EXPECT_EQ(r.libsclass,
                  r.cls <= 0 ? "" : tolvane::gen::libsclass(r.libsclass + (bare ? ".dll" : "")));
        EXPECT_FALSE(tolvane::gen::isExcludedDll(r.libsclass));
        EXPECT_FALSE(r.explain.empty());
        // The copy command relies on a function's C# form being the attribute line, CR LF, "static
        // extern".
        EXPECT_TRUE(r.cls <= 0 || (r.csharp.starts_with("[DllImport(\"") &&
                                   r.csharp.find("\r\nstatic extern ") != std::string::npos));
        for (const std::string* text : {&r.declare, &r.csharp, &r.vba64, &r.parameter, &r.explain,
                                        &r.returned, &r.other, &r.recode}) {
            for (size_t i = text->find('\n'); i != std::string::npos; i = text->find('\n', i + 1))
                ASSERT_TRUE(i > 0 && (*text)[i - 1] == '\r') << "bare line feed in " << *text;
        }
    }
}

// The first structural problem of a record's VB or 64-bit VBA form, "" if none.
std::string vbProblem(const CatalogueRow& r, const std::string& text,
                      const std::set<std::string>& types, tolvane::gen::VbDialect dialect) {
    if (r.cls == -1) return tolvane::gen::checkVbType(text, types, dialect);
    if (r.cls == 0) return tolvane::gen::checkVbConst(text, dialect);
    // A pair is declared on its ANSI export, named first in othername;
    // VB names cannot start with "_" (_lopen is declared as lopen)
    // nor be keywords (select is declared as select_).
    // A record whose exports differ between the targets (GetWindowLongPtr)
    // names the 32-bit pair, then the 64-bit pair; 64-bit VBA calls the latter.
    std::vector<std::string> exports;
    std::istringstream words(r.othername);
    for (std::string w; words >> w;) exports.push_back(w);
    const size_t called = dialect == tolvane::gen::VbDialect::Vba64 && exports.size() == 4 ? 2 : 0;
    const std::string exportName = exports.empty() ? r.name : exports[called];
    const std::string problem = tolvane::gen::checkVbDeclare(text, exportName, types, dialect);
    if (!problem.empty()) return problem;
    std::string afterKeyword =
        text.substr(8);  // after "Declare ", then "PtrSafe " and "Function "|"Sub "
    if (afterKeyword.starts_with("PtrSafe ")) afterKeyword.erase(0, 8);
    afterKeyword.erase(0, afterKeyword.find(' ') + 1);
    const std::string declared = r.name.substr(r.name.find_first_not_of('_'));
    if (!afterKeyword.starts_with(declared + " ") && !afterKeyword.starts_with(declared + "_ "))
        return "declares another name";
    return {};
}

TEST_F(GeneratedCatalogue, EveryVbAndVba64FormIsStructurallySound) {
    using tolvane::gen::VbDialect;
    std::set<std::string> types;
    for (const CatalogueRow& r : rows())
        if (r.cls == -1) types.insert(tolvane::test::vbTypeName(r.declare));
    for (const CatalogueRow& r : rows()) {
        EXPECT_EQ(vbProblem(r, r.declare, types, VbDialect::Vb6), "")
            << r.name << ": " << r.declare;
        // A function only 32-bit DLLs export has a note instead of a Declare.
        if (r.vba64.starts_with("' "))
            EXPECT_NE(r.explain.find("只有 32 位的"), std::string::npos) << r.name;
        else
            EXPECT_EQ(vbProblem(r, r.vba64, types, VbDialect::Vba64), "")
                << r.name << ": " << r.vba64;
    }
}

// Wraps every record, with the copy's access word applied, in one class; a
// name that a Type and a Const share goes to a nested class so that both
// still compile.
TEST_F(GeneratedCatalogue, EveryCSharpFormCompilesWithMcs) {
    const fs::path dir = fs::temp_directory_path() / ("tolvane_mcs_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ostringstream cs, repeated;
    std::set<std::string> seen;
    for (const CatalogueRow& r : rows()) {
        std::string text = r.csharp;
        for (size_t i = text.find("\r\nstatic extern"); i != std::string::npos;
             i = text.find("\r\nstatic extern", i + 2))
            text.replace(i, 15, "\r\nprivate static extern");
        (seen.insert(r.name).second ? cs : repeated) << text << "\r\n";
    }
    std::ofstream(dir / "catalogue.cs", std::ios::binary)
        << "using System;\nusing System.Runtime.InteropServices;\nusing System.Text;\n"
        << "static class NativeMethods\n{\n"
        << cs.str() << "static class Repeated\n{\n"
        << repeated.str() << "}\n}\n";
    const std::string command =
        std::string(TOLVANE_MCS) +
        " -target:library -nowarn:169,414,649 -out:" + (dir / "catalogue.dll").string() + " " +
        (dir / "catalogue.cs").string() + " > " + (dir / "mcs.log").string() + " 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0)
        << tolvane::test::readFile(dir / "mcs.log").substr(0, 4000);
    fs::remove_all(dir);
}

TEST_F(GeneratedCatalogue, GeneratorReproducesItsOutput) {
    const fs::path again =
        fs::temp_directory_path() / ("tolvane_winapi_" + std::to_string(::getpid()) + ".sql");
    const fs::path layouts = again.string() + ".layouts";
    const std::string command =
        std::string(TOLVANE_GENCATALOGUE) + " --include " + TOLVANE_MINGW_INCLUDE + " --libs " +
        TOLVANE_MINGW_LIBS + " --libs32 " + TOLVANE_MINGW_LIBS32 + " --resource-dir " +
        TOLVANE_CLANG_RESOURCE_DIR + " --out " + again.string() + " --layouts " + layouts.string() +
        " --exceptions " + TOLVANE_LAYOUT_EXCEPTIONS + " --hand-records " + TOLVANE_HAND_RECORDS +
        " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    using tolvane::test::readFile;
    const std::string first = readFile(TOLVANE_GENERATED_SQL),
                      firstLayouts = readFile(TOLVANE_GENERATED_LAYOUTS);
    const std::string second = readFile(again), secondLayouts = readFile(layouts);
    fs::remove(again);
    fs::remove(layouts);
    EXPECT_FALSE(first.empty());
    EXPECT_TRUE(first == second) << "two runs on the same headers and libraries differ";
    EXPECT_TRUE(firstLayouts == secondLayouts) << "two runs give different layouts";
}

}  // namespace
