// The generated catalogue's availability, explain and sample columns as a
// whole: the DLL table applied to every function, the error table matching
// catalogued functions, every VB sample structurally sound and every C#
// sample compiling with mcs.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "availability.h"
#include "error_report.h"
#include "sample_code.h"
#include "support/catalogue_rows.h"
#include "support/read_file.h"
#include "tools/catalogue_forms.h"
#include "vb_check.h"
#include "wording.h"

namespace {

using tolvane::gen::Phrase;
using tolvane::gen::say;
using tolvane::test::CatalogueRow;
using tolvane::test::has;
namespace fs = std::filesystem;

class GeneratedColumns : public ::testing::Test {
protected:
    static const std::vector<CatalogueRow>& rows() { return tolvane::test::generatedCatalogue(); }
    static const CatalogueRow* function(const std::string& name) {
        for (const CatalogueRow& r : rows())
            if (r.cls > 0 && r.name == name) return &r;
        return nullptr;
    }
};

TEST_F(GeneratedColumns, ExplainStatesVersionsErrorReportsSizesAndValues) {
    for (const CatalogueRow& r : rows()) {
        if (r.cls == -1) {
            EXPECT_TRUE(has(r.explain, tolvane::test::isStructure(r) || tolvane::test::isTypedef(r)
                                           ? " 字节"
                                           : " 个常数"))
                << r.name;
        } else if (r.cls == 0) {
            const bool text =
                r.declare.starts_with("Const " + r.name + " = \"");  // a string constant
            EXPECT_TRUE(has(r.explain, text ? "值 \"" : "（十进制 ")) << r.name;
        }
    }
    for (const auto& e : tolvane::gen::lastErrorTable()) {
        const CatalogueRow* r = function(e.name);
        ASSERT_NE(r, nullptr) << "the error table names " << e.name
                              << ", which the catalogue lacks";
        EXPECT_TRUE(has(r->csharp, "SetLastError = true")) << e.name;
        EXPECT_TRUE(has(r->explain, "Err.LastDllError")) << e.name;
        EXPECT_TRUE(has(r->recode, "Err.LastDllError") &&
                    has(r->recode, "Marshal.GetLastWin32Error()"))
            << e.name;
        // A table's failing value must be one the result can hold.
        EXPECT_TRUE(
            e.failure == tolvane::gen::Failure::Zero ||
            (e.failure == tolvane::gen::Failure::AllOnes && !has(r->csharp, "static extern bool ")))
            << e.name;
    }
    struct Case {
        const char *name, *part;
    };
    const Case cases[] = {
        {"CreateFile",
         "ANSI 版 CreateFileA，Unicode 版 CreateFileW。失败时返回 "
         "INVALID_HANDLE_VALUE（-1），并设置最后错误"},
        {"DwmEnableComposition",
         "需要 Windows Vista 或更高版本。返回值就是错误代码（HRESULT，小于 0 表示失败）"},
        {"GetTickCount64", "需要 Windows Vista 或更高版本。"},
        {"RegOpenKeyEx", "返回值就是错误代码（LONG，0 表示成功）"},
        {"EnumWindows", "声明于 winuser.h，由 user32.dll 导出。"},
    };
    for (const Case& c : cases) {
        const CatalogueRow* r = function(c.name);
        ASSERT_NE(r, nullptr) << c.name;
        EXPECT_TRUE(has(r->explain, c.part)) << r->explain;
    }
    EXPECT_FALSE(has(function("GetTickCount")->explain, "需要"));
    EXPECT_FALSE(has(function("EnumWindows")->explain, "错误"));
}

TEST_F(GeneratedColumns, EveryVbAndVba64SampleIsStructurallySound) {
    std::set<std::string> types;
    for (const CatalogueRow& r : rows())
        if (tolvane::test::isStructure(r)) types.insert(tolvane::test::vbTypeName(r.declare));
    int buffers = 0, sizes = 0, checks = 0, vba64 = 0;
    for (const CatalogueRow& r : rows()) {
        if (r.cls <= 0) continue;
        const tolvane::test::SampleParts p = tolvane::test::sampleParts(r.recode);
        ASSERT_TRUE(p.vb.starts_with(say(Phrase::VbSampleHeading))) << r.name << ": " << r.recode;
        EXPECT_EQ(tolvane::gen::checkVbSample(p.vb, r.declare, types), "") << r.name << ":\n"
                                                                           << p.vb;
        EXPECT_EQ(p.vba64.empty(), r.vba64.starts_with("' ")) << r.name;
        if (!p.vba64.empty()) {
            ++vba64;
            EXPECT_EQ(tolvane::gen::checkVbSample(p.vba64, r.vba64, types), "") << r.name << ":\n"
                                                                                << p.vba64;
        }
        buffers += has(p.vb, "String$(");
        sizes += has(p.vb, " = Len(") && has(p.vb, ".");
        checks += has(p.vb, "\r\nIf ");
    }
    // The samples do what they are for in the usual numbers.
    EXPECT_GT(buffers, 300);
    EXPECT_GT(sizes, 100);
    EXPECT_GT(checks, 1500);
    EXPECT_GT(vba64, 5000);
}

// Every sample becomes a method of one class that also holds every
// declaration, so one mcs run checks them all.
TEST_F(GeneratedColumns, EveryCSharpSampleCompilesWithMcs) {
    const fs::path dir =
        fs::temp_directory_path() / ("tolvane_samples_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ostringstream cs, repeated, samples;
    std::set<std::string> seen;
    int methods = 0;
    for (const CatalogueRow& r : rows()) {
        (seen.insert(r.name).second ? cs : repeated) << r.csharp << "\r\n";
        if (r.cls <= 0) continue;
        samples << "static void Sample" << ++methods << "()\r\n{\r\n"
                << tolvane::test::sampleParts(r.recode).cs << "\r\n}\r\n";
    }
    std::ofstream(dir / "samples.cs", std::ios::binary)
        << "using System;\nusing System.Runtime.InteropServices;\nusing System.Text;\n"
        << "static class NativeMethods\n{\n"
        << cs.str() << samples.str() << "static class Repeated\n{\n"
        << repeated.str() << "}\n}\n";
    EXPECT_GT(methods, 5000);
    const std::string command =
        std::string(TOLVANE_MCS) +
        " -target:library -nowarn:169,414,649,219 -out:" + (dir / "samples.dll").string() + " " +
        (dir / "samples.cs").string() + " > " + (dir / "mcs.log").string() + " 2>&1";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(std::system(command.c_str()), 0)
        << tolvane::test::readFile(dir / "mcs.log").substr(0, 4000);
    std::cout << "mcs compiled " << methods << " samples in "
              << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()
              << " s\n";
    fs::remove_all(dir);
}

}  // namespace
