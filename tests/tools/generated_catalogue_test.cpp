// Whole-catalogue checks of the generated default catalogue: sizes, DLL
// spelling, the structure of every VB and 64-bit VBA form and sample, and the
// generator reproducing its output.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "dll_choice.h"
#include "support/catalogue_rows.h"
#include "support/read_file.h"
#include "text.h"
#include "tools/catalogue_forms.h"
#include "vb_check.h"
#include "wording.h"

namespace {

using tolvane::gen::Phrase;
using tolvane::gen::say;
using tolvane::test::CatalogueRow;
using tolvane::test::has;
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
    // A function's kind comes from its header and DLL before its name: the
    // Crypt*Message functions are no window messages, metafiles no files.
    const std::map<std::string, int> kCategories = {
        {"CryptSignMessage", 16},   {"CryptDecryptMessage", 16},
        {"CopyEnhMetaFile", 6},     {"PlayEnhMetaFile", 6},
        {"GetMetaFileBitsEx", 6},   {"BeginPath", 6},
        {"StrokePath", 6},          {"CreateHardLink", 11},
        {"SHParseDisplayName", 11}, {"OpenProcess", 14},
        {"LoadImage", 7},           {"Rectangle", 6},
        {"AppendMenu", 8},          {"StartDoc", 10},
        {"OpenPrinter", 10},        {"WSAStartup", 13},
        {"InternetOpen", 13},       {"CoCreateInstance", 16}};
    std::map<std::string, const CatalogueRow*> byName;
    for (const CatalogueRow& r : rows())
        if (r.cls > 0) byName[r.name] = &r;
    for (const auto& [name, category] : kCategories)
        EXPECT_TRUE(byName.count(name) && byName[name]->cls == category) << name;
    // Where several DLLs export a function: the one made for its header
    // (lz32.dll, not kernel32), a listed one before a newer one (advapi32.dll,
    // not cryptsp.dll) unless the header's own has most of it (crypt32.dll,
    // not advapi32.dll); never the C library.
    for (const auto& [name, dll] :
         std::map<std::string, std::string>{{"LZOpenFile", "lz32.dll"},
                                            {"CryptAcquireContext", "advapi32.dll"},
                                            {"CryptGetDefaultProvider", "crypt32.dll"}})
        EXPECT_TRUE(byName.count(name) && byName[name]->libsclass == dll) << name;
    EXPECT_FALSE(byName.count("strlen"));
}

// Every enumerator names its enumeration, whose type record lists it; every
// typedef of a structure declares the structure's forms under its own name;
// every documented data type has a record, which says what the functions'
// declarations do with a parameter of that type.
TEST_F(GeneratedCatalogue, EnumerationsAndAliasesAreFoundByName) {
    static const std::regex kMember("枚举 (\\w+) 的成员。");
    std::map<std::string, const CatalogueRow*> types;
    for (const CatalogueRow& r : rows())
        if (r.cls == -1) types[r.name] = &r;
    int enumerators = 0, aliases = 0;
    for (const CatalogueRow& r : rows()) {
        std::smatch m;
        if (r.cls == 0 && std::regex_search(r.explain, m, kMember)) {
            ++enumerators;
            auto e = types.find(m[1]);
            if (e == types.end()) continue;  // a name another record has
            EXPECT_TRUE(has(e->second->explain, r.name)) << r.name;
            // An Enum member, or a Const where an Enum cannot hold the values
            // (a VB keyword gets a "_": Unlock_).
            EXPECT_TRUE(has(e->second->declare, "\r\n    " + r.name) ||
                        has(e->second->declare, "Const " + r.name))
                << r.name;
        }
        if (const std::string alias = tolvane::test::aliasTarget(r); !alias.empty()) {
            ++aliases;
            const CatalogueRow* target = types.at(alias);
            // The same text but for the line naming the Type or struct.
            auto renamed = [](const std::string& text) {
                std::string out;
                for (const std::string& line : tolvane::gen::splitLines(text))
                    if (!line.starts_with("Type ") && !line.starts_with("struct "))
                        out += line + "\n";
                return out;
            };
            EXPECT_EQ(renamed(r.declare), renamed(target->declare)) << r.name;
            EXPECT_EQ(renamed(r.vba64), renamed(target->vba64)) << r.name;
            EXPECT_EQ(renamed(r.csharp), renamed(target->csharp)) << r.name;
        }
    }
    EXPECT_GT(enumerators, 5000);
    EXPECT_GT(aliases, 100);
    for (const tolvane::gen::FactRow& listed : tolvane::test::facts("data_types.tsv", 2))
        EXPECT_TRUE(types.count(listed[0]) && tolvane::test::isTypedef(*types.at(listed[0])))
            << listed.where << ": " << listed[0] << " has no record";
    // A parameter of the type, without a role that changes how it is passed,
    // is declared as the typedef's record says, but for its name.
    auto passing = [](const std::string& param) {
        return param.substr(0, param.find(' ')) + param.substr(param.rfind(" As "));
    };
    int compared = 0;
    for (const CatalogueRow& r : rows()) {
        if (r.cls <= 0) continue;
        const auto vba64 = tolvane::test::basicParameters(r.vba64);
        for (const auto& p : tolvane::test::parameterLines(r)) {
            auto t = types.find(p.cType);
            if (t == types.end() || !tolvane::test::isTypedef(*t->second) || !p.markers.empty() ||
                p.vb.size() != 1)
                continue;
            const std::string name = p.vb[0].substr(6, p.vb[0].find(" As ") - 6);
            if (tolvane::gen::lower(name).find("reserved") != std::string::npos) continue;
            ++compared;
            EXPECT_EQ(passing(p.vb[0]),
                      passing(tolvane::test::typedefUse(t->second->declare).param))
                << r.name << " " << p.cName;
            auto p64 = vba64.find(tolvane::gen::lower(name));
            if (p64 != vba64.end() && tolvane::test::renamedOn64Bits(r).empty()) {
                EXPECT_EQ(passing(p64->second),
                          passing(tolvane::test::typedefUse(t->second->vba64).param))
                    << r.name << " " << p.cName;
            }
        }
    }
    EXPECT_GT(compared, 5000);
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
        // Left out as records nobody looks up: COM interface structures
        // holding only lpVtbl, DECLARE_HANDLE's dummies, marshalling helpers.
        EXPECT_FALSE(r.name == "IUnknown" || r.name == "HDC__" || r.name == "HWND_UserFree");
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
    if (tolvane::test::isTypedef(r)) {
        // What the record says, as the Declare of a function taking and returning the type.
        const auto use = tolvane::test::typedefUse(text);
        if (use.param.empty()) return "no parameter and result";
        const bool ptrSafe = dialect == tolvane::gen::VbDialect::Vba64;
        return tolvane::gen::checkVbDeclare(std::string("Declare ") + (ptrSafe ? "PtrSafe " : "") +
                                                "Function F Lib \"x\" (" + use.param + ") As " +
                                                use.result,
                                            "F", types, dialect);
    }
    if (r.cls == -1)
        return tolvane::test::isStructure(r) ? tolvane::gen::checkVbType(text, types, dialect)
                                             : tolvane::gen::checkVbEnum(text, dialect);
    if (r.cls == 0) return tolvane::gen::checkVbConst(text, dialect);
    // A pair is declared on its ANSI export, named first in othername;
    // VB names cannot start with "_" (_lopen is declared as lopen)
    // nor be keywords (select is declared as select_).
    // A record whose exports differ between the targets (GetWindowLongPtr)
    // names the 32-bit pair, then the 64-bit pair; 64-bit VBA calls the latter.
    std::vector<std::string> exports;
    std::istringstream words(r.othername);
    for (std::string w; words >> w;) exports.push_back(w);
    // One the 64-bit headers make a macro for another function (StackWalk:
    // StackWalk64) calls that export in 64-bit VBA.
    const bool vba64 = dialect == tolvane::gen::VbDialect::Vba64;
    const size_t called = vba64 && exports.size() == 4 ? 2 : 0;
    std::string exportName = exports.empty() ? r.name : exports[called];
    if (const std::string renamed = tolvane::test::renamedOn64Bits(r); vba64 && !renamed.empty())
        exportName = renamed;
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

TEST_F(GeneratedCatalogue, EveryVbAndVba64FormAndSampleIsStructurallySound) {
    using tolvane::gen::VbDialect;
    // VB ignores case: no two records declare names that differ only in
    // case, so that any of them can share a module.
    static const std::regex kDeclared(
        R"(^(Type|Enum|Const|Declare (?:PtrSafe )?(?:Function|Sub)) (\w+))");
    std::map<std::string, std::set<std::string>> spellings;
    for (const CatalogueRow& r : rows()) {
        std::smatch m;
        if (std::regex_search(r.declare, m, kDeclared))
            spellings[tolvane::gen::lower(m[2])].insert(m[1].str().substr(0, 4) + " " + m[2].str());
    }
    for (const auto& [name, spelled] : spellings)
        EXPECT_EQ(spelled.size(), 1u) << *spelled.begin() << " / " << *spelled.rbegin();
    std::set<std::string> types;
    for (const CatalogueRow& r : rows())
        if (tolvane::test::isStructure(r)) types.insert(tolvane::test::vbTypeName(r.declare));
    int buffers = 0, sizes = 0, checks = 0, vba64Samples = 0;
    for (const CatalogueRow& r : rows()) {
        EXPECT_EQ(vbProblem(r, r.declare, types, VbDialect::Vb6), "")
            << r.name << ": " << r.declare;
        // A function only 32-bit DLLs export has a note instead of a Declare
        // (vba64_call_test.cpp checks its explain), and no 64-bit VBA sample.
        const bool only32 = r.cls > 0 && r.vba64.starts_with("' ");
        if (!only32) {
            EXPECT_EQ(vbProblem(r, r.vba64, types, VbDialect::Vba64), "")
                << r.name << ": " << r.vba64;
        }
        if (r.cls <= 0) continue;
        const tolvane::test::SampleParts p = tolvane::test::sampleParts(r.recode);
        ASSERT_TRUE(p.vb.starts_with(say(Phrase::VbSampleHeading))) << r.name << ": " << r.recode;
        EXPECT_EQ(tolvane::gen::checkVbSample(p.vb, r.declare, types), "") << r.name << ":\n"
                                                                           << p.vb;
        EXPECT_EQ(p.vba64.empty(), only32) << r.name;
        if (!p.vba64.empty()) {
            ++vba64Samples;
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
    EXPECT_GT(vba64Samples, 5000);
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
