// The generated catalogue's C# forms and samples compile with mcs.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "support/catalogue_rows.h"
#include "support/read_file.h"
#include "tools/catalogue_forms.h"

namespace {

using tolvane::test::CatalogueRow;
namespace fs = std::filesystem;

// Every record's C# form, with the copy's access word applied, and every
// sample as a method go into one class, so one mcs run checks them all; a
// name that a Type and a Const share goes to a nested class so that both
// still compile.
TEST(CSharpForms, EveryFormAndSampleCompilesWithMcs) {
    const fs::path dir =
        fs::temp_directory_path() / ("tolvane_samples_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ostringstream cs, repeated, samples;
    std::set<std::string> seen;
    int methods = 0;
    for (const CatalogueRow& r : tolvane::test::generatedCatalogue()) {
        std::string text = r.csharp;
        for (size_t i = text.find("\r\nstatic extern"); i != std::string::npos;
             i = text.find("\r\nstatic extern", i + 2))
            text.replace(i, 15, "\r\nprivate static extern");
        (seen.insert(r.name).second ? cs : repeated) << text << "\r\n";
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
