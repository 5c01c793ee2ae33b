// Whole-catalogue checks of the generated default catalogue: sizes, DLL
// spelling, the structure of every VB form, the C# forms compiling with mcs,
// and the generator reproducing its output.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "dll_choice.h"
#include "tools/catalogue_rows.h"
#include "vb_check.h"

namespace {

using tolvane::test::CatalogueRow;
namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class GeneratedCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        rows_ = new std::vector<CatalogueRow>(tolvane::test::readCatalogue(TOLVANE_GENERATED_CATALOGUE));
    }
    static void TearDownTestSuite() { delete rows_; }
    void SetUp() override { ASSERT_FALSE(rows_->empty()) << "cannot read " << TOLVANE_GENERATED_CATALOGUE; }

    static std::set<std::string> typeNames() {
        std::set<std::string> out;
        for (const CatalogueRow& r : *rows_)
            if (r.cls == -1) out.insert(r.name);
        return out;
    }

    static std::vector<CatalogueRow>* rows_;
};

std::vector<CatalogueRow>* GeneratedCatalogue::rows_ = nullptr;

TEST_F(GeneratedCatalogue, HoldsThousandsOfFunctionsTypesAndConstants) {
    std::map<int, int> byClass;
    std::map<std::string, int> byDll;
    for (const CatalogueRow& r : *rows_) {
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
    for (const char* dll : {"advapi32.dll", "comdlg32.dll", "gdi32", "imm32.dll", "kernel32", "lz32.dll",
                            "mpr.dll", "netapi32.dll", "shell32.dll", "user32", "version.dll", "winmm.dll",
                            "winspool.drv"})
        EXPECT_GT(byDll[dll], 0) << dll;
    EXPECT_GT(byDll["kernel32"], 800);
    EXPECT_GT(byDll["user32"], 500);
    EXPECT_GT(byDll["gdi32"], 250);
}

TEST_F(GeneratedCatalogue, DllSpellingMatchesTheDllFilter) {
    for (const CatalogueRow& r : *rows_) {
        if (r.cls <= 0) {
            EXPECT_EQ(r.libsclass, "") << r.name;
            continue;
        }
        EXPECT_NE(r.libsclass, "kernel32.dll") << r.name;
        EXPECT_NE(r.libsclass, "user32.dll") << r.name;
        EXPECT_NE(r.libsclass, "gdi32.dll") << r.name;
        EXPECT_EQ(r.libsclass, tolvane::gen::libsclass(r.libsclass + (r.libsclass.find('.') == std::string::npos ? ".dll" : "")))
            << r.name;
        EXPECT_FALSE(tolvane::gen::isExcludedDll(r.libsclass)) << r.name << " from " << r.libsclass;
    }
}

TEST_F(GeneratedCatalogue, RowsAreUniqueSortedAndWellFormed) {
    const CatalogueRow* previous = nullptr;
    for (const CatalogueRow& r : *rows_) {
        SCOPED_TRACE(r.name);
        if (previous) {
            EXPECT_TRUE(std::tie(previous->name, previous->cls) < std::tie(r.name, r.cls)) << "order or repeat";
        }
        previous = &r;
        EXPECT_TRUE(r.win95 == "Yes" || r.win95 == "No");
        EXPECT_TRUE(r.winnt == "Yes" || r.winnt == "No");
        EXPECT_EQ(r.recode, "");
        EXPECT_FALSE(r.explain.empty());
        for (const std::string* text : {&r.declare, &r.csharp, &r.parameter, &r.explain, &r.returned, &r.other}) {
            for (size_t i = text->find('\n'); i != std::string::npos; i = text->find('\n', i + 1))
                ASSERT_TRUE(i > 0 && (*text)[i - 1] == '\r') << "bare line feed in " << *text;
        }
    }
}

TEST_F(GeneratedCatalogue, EveryVbFormIsStructurallySound) {
    const std::set<std::string> types = typeNames();
    int checked = 0;
    for (const CatalogueRow& r : *rows_) {
        std::string problem;
        if (r.cls == -1) {
            problem = tolvane::gen::checkVbType(r.declare, types);
        } else if (r.cls == 0) {
            problem = tolvane::gen::checkVbConst(r.declare);
        } else {
            // A pair is declared on its ANSI export, named first in othername;
            // VB names cannot start with "_" (_lopen is declared as lopen)
            // nor be keywords (select is declared as select_).
            const std::string exportName = r.othername.empty() ? r.name : r.othername.substr(0, r.othername.find(' '));
            problem = tolvane::gen::checkVbDeclare(r.declare, exportName, types);
            const std::string declared = r.name.substr(r.name.find_first_not_of('_'));
            const std::string afterKeyword = r.declare.substr(r.declare.find(' ', 8) + 1);
            if (problem.empty() && !afterKeyword.starts_with(declared + " ") && !afterKeyword.starts_with(declared + "_ "))
                problem = "declares another name";
        }
        EXPECT_EQ(problem, "") << r.name << ": " << r.declare;
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(rows_->size()));
}

TEST_F(GeneratedCatalogue, FunctionsCarryOneParameterLinePerCParameter) {
    static const std::regex kCall(R"(\((.*)\)$)");
    for (const CatalogueRow& r : *rows_) {
        if (r.cls <= 0) continue;
        ASSERT_TRUE(r.csharp.starts_with("[DllImport(\"")) << r.name;
        ASSERT_NE(r.csharp.find("\r\nstatic extern "), std::string::npos) << r.name;
        EXPECT_NE(r.csharp.find(" " + r.name + "("), std::string::npos) << r.name;
        std::smatch m;
        const std::string firstPrototype = r.other.substr(0, r.other.find("\r\n"));
        ASSERT_TRUE(std::regex_search(firstPrototype, m, kCall)) << r.name;
        const std::string params = m[1];
        const size_t cParams = params.empty() ? 0 : std::count(params.begin(), params.end(), ',') + 1;
        const size_t lines = r.parameter.empty() ? 0 : std::count(r.parameter.begin(), r.parameter.end(), '\n') + 1;
        // Function-pointer parameters carry commas of their own.
        if (firstPrototype.find("(*") == std::string::npos) {
            EXPECT_EQ(lines, cParams) << r.name;
        }
    }
}

// Wraps every record, with the copy's access word applied, in one class; a
// name that a Type and a Const share goes to a nested class so that both
// still compile.
TEST_F(GeneratedCatalogue, EveryCSharpFormCompilesWithMcs) {
    const fs::path dir = fs::temp_directory_path() / ("tolvane_mcs_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ostringstream cs;
    cs << "using System;\nusing System.Runtime.InteropServices;\nusing System.Text;\n"
          "static class NativeMethods\n{\n";
    std::vector<std::string> lineOwner(7, "");
    std::set<std::string> seen;
    std::vector<const CatalogueRow*> repeated;
    auto emit = [&](const CatalogueRow& r) {
        std::string text = r.csharp;
        for (size_t i = text.find("\r\nstatic extern"); i != std::string::npos; i = text.find("\r\nstatic extern", i + 2))
            text.replace(i, 15, "\r\nprivate static extern");
        cs << text << "\r\n";
        for (char c : text)
            if (c == '\n') lineOwner.push_back(r.name);
        lineOwner.push_back(r.name);
    };
    for (const CatalogueRow& r : *rows_) {
        if (seen.insert(r.name).second) emit(r);
        else repeated.push_back(&r);
    }
    cs << "static class Repeated\n{\n";
    lineOwner.insert(lineOwner.end(), 2, "");
    for (const CatalogueRow* r : repeated) emit(*r);
    cs << "}\n}\n";
    {
        std::ofstream out(dir / "catalogue.cs", std::ios::binary);
        out << cs.str();
    }
    const std::string command = std::string(TOLVANE_MCS) + " -target:library -nowarn:169,414,649 -out:" +
                                (dir / "catalogue.dll").string() + " " + (dir / "catalogue.cs").string() +
                                " > " + (dir / "mcs.log").string() + " 2>&1";
    const int status = std::system(command.c_str());
    const std::string log = readAll(dir / "mcs.log");
    std::set<std::string> failing;
    static const std::regex kError(R"(catalogue\.cs\((\d+),\d+\): error)");
    for (std::sregex_iterator it(log.begin(), log.end(), kError), end; it != end; ++it) {
        const size_t line = std::stoul((*it)[1]);
        failing.insert(line < lineOwner.size() ? lineOwner[line] : "?");
    }
    std::cout << "[ mcs      ] " << rows_->size() - failing.size() << " of " << rows_->size()
              << " records compile (" << repeated.size() << " in the nested class)\n";
    EXPECT_EQ(status, 0) << log.substr(0, 4000);
    EXPECT_TRUE(failing.empty()) << failing.size() << " records fail, e.g. " << *failing.begin();
    fs::remove_all(dir);
}

TEST_F(GeneratedCatalogue, GeneratorReproducesItsOutput) {
    const fs::path again = fs::temp_directory_path() / ("tolvane_winapi_" + std::to_string(::getpid()) + ".sql");
    const std::string command = std::string(TOLVANE_GENCATALOGUE) + " --include " + TOLVANE_MINGW_INCLUDE +
                                " --libs " + TOLVANE_MINGW_LIBS + " --resource-dir " +
                                TOLVANE_CLANG_RESOURCE_DIR + " --out " + again.string() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string first = readAll(TOLVANE_GENERATED_SQL);
    const std::string second = readAll(again);
    fs::remove(again);
    EXPECT_FALSE(first.empty());
    EXPECT_TRUE(first == second) << "two runs on the same headers and libraries differ";
}

}  // namespace
