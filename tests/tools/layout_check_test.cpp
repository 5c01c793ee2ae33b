// Every structure of the generated catalogue laid out from its declaration
// text, compared with clang's layouts: the VB Type against 32-bit C, the
// 64-bit VBA Type against 64-bit C, the C#
// struct against 32-bit and 64-bit C by the marshaller's rules, and the C#
// structs once more as the mono runtime lays them out. A mismatch passes only
// when the reviewed exceptions file lists it and the record's explain says so.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "declared_layouts.h"
#include "layout_rules.h"
#include "layouts_file.h"
#include "support/catalogue_rows.h"
#include "support/read_file.h"
#include "tools/catalogue_forms.h"
#include "wording.h"

namespace {

using tolvane::gen::CLayout;
using tolvane::test::CatalogueRow;
namespace fs = std::filesystem;

struct Inputs {
    std::map<std::string, const CatalogueRow*> types, typedefs;
    std::map<std::string, std::string> vbName, vb, vba64, cs;
    std::vector<CLayout> layouts;
    std::vector<tolvane::gen::LayoutException> exceptions;
};

const std::vector<CatalogueRow>& rows() { return tolvane::test::generatedCatalogue(); }

const Inputs& inputs() {
    static const Inputs in = [] {
        Inputs i;
        for (const CatalogueRow& r : rows())
            if (tolvane::test::isTypedef(r)) i.typedefs[r.name] = &r;
        for (const CatalogueRow& r : rows())
            if (tolvane::test::isStructure(r)) {
                i.types[r.name] = &r;
                // VB Types by the name they declare (Type DECIMAL_), for nesting.
                i.vbName[r.name] = tolvane::test::vbTypeName(r.declare);
                i.vb[i.vbName[r.name]] = r.declare;
                i.vba64[i.vbName[r.name]] = r.vba64;
                i.cs[r.name] = r.csharp;
            }
        std::ifstream layouts(TOLVANE_GENERATED_LAYOUTS), exceptions(TOLVANE_LAYOUT_EXCEPTIONS);
        i.layouts = tolvane::gen::readLayouts(layouts);
        i.exceptions = tolvane::gen::readExceptions(exceptions);
        return i;
    }();
    return in;
}

// The bytes a parameter of a typedef's record passes in `dialect`'s process
// or a C# one of the same pointer size ("ByVal x As Long", "ref int x",
// "IntPtr x").
long long passedBytes(const std::string& param, tolvane::gen::VbDialect dialect) {
    static const std::map<std::string, long long> kCsSizes = {
        {"byte", 1}, {"sbyte", 1}, {"short", 2}, {"ushort", 2}, {"char", 2},  {"int", 4},
        {"uint", 4}, {"float", 4}, {"bool", 4},  {"long", 8},   {"ulong", 8}, {"double", 8}};
    const long long pointer = dialect == tolvane::gen::VbDialect::Vba64 ? 8 : 4;
    if (param.starts_with("ByRef ") || param.starts_with("ref ")) return pointer;
    if (const size_t as = param.find(" As "); as != std::string::npos) {
        const std::string type = param.substr(as + 4);
        const long long size = tolvane::test::vbValueSize(type.substr(0, type.find(' ')), dialect);
        return size ? size : pointer;  // LongPtr in VB6, Any
    }
    std::string type = param.substr(param.rfind(']') + 1);
    type = type.substr(type.find_first_not_of(' '));
    auto it = kCsSizes.find(type.substr(0, type.find(' ')));
    return it == kCsSizes.end() ? pointer : it->second;  // IntPtr, string
}

// A typedef's record against clang's size of the type on one target: what
// its VB or 64-bit VBA form and its C# form pass by value has C's size.
std::string typedefProblem(const CLayout& c) {
    auto row = inputs().typedefs.find(c.type);
    if (row == inputs().typedefs.end()) return "layout of a record the catalogue lacks";
    const bool on64 = c.form == "value64";
    const auto dialect = on64 ? tolvane::gen::VbDialect::Vba64 : tolvane::gen::VbDialect::Vb6;
    for (const std::string* form :
         {on64 ? &row->second->vba64 : &row->second->declare, &row->second->csharp}) {
        const std::string param = tolvane::test::typedefUse(*form).param;
        if (const long long passed = passedBytes(param, dialect); passed != c.size)
            return param + " passes " + std::to_string(passed) + " bytes, C has " +
                   std::to_string(c.size);
    }
    return {};
}

bool isUnion(const std::string& type) {
    return inputs().cs.at(type).find("LayoutKind.Explicit") != std::string::npos;
}

// Checks every mismatch ("type form") against the exceptions file.
void expectOnlyReviewed(const std::map<std::string, std::string>& mismatches,
                        const std::set<std::string>& forms) {
    std::set<std::string> listed;
    for (const auto& e : inputs().exceptions) {
        if (!forms.count(e.form)) continue;
        const std::string key = e.type + " " + e.form;
        listed.insert(key);
        EXPECT_TRUE(mismatches.count(key)) << key << " is listed but matches C";
        auto row = inputs().types.find(e.type);
        ASSERT_NE(row, inputs().types.end()) << e.type;
        EXPECT_NE(row->second->explain.find(e.reason), std::string::npos)
            << e.type << ": explain lacks the reason";
    }
    for (const auto& [key, why] : mismatches)
        if (!listed.count(key)) ADD_FAILURE() << key << ": " << why;
}

// A Type's difference from C's layout; VB rounds a Type's size up to its
// largest alignment, so that a Type of a structure C packs (WAVEFORMATEX: 18
// bytes, the Type 20) may end on padding C lacks, where its explain says so.
std::string basicProblem(const tolvane::test::DeclaredLayout& declared, const CLayout& c) {
    tolvane::test::DeclaredLayout trimmed = declared;
    if (declared.size > c.size && tolvane::gen::roundUp(c.size, declared.align) == declared.size) {
        using tolvane::gen::Phrase;
        const std::string note = tolvane::gen::say(
            Phrase::TypeLonger, {tolvane::gen::say(c.form == "vb32" ? Phrase::LayoutOfVbForm
                                                                    : Phrase::LayoutOfVba64Form),
                                 std::to_string(declared.size), std::to_string(c.size),
                                 std::to_string(declared.align)});
        if (inputs().types.at(c.type)->explain.find(note) == std::string::npos)
            return "longer than C, and explain does not say so";
        trimmed.size = c.size;
    }
    return compareLayouts(trimmed, c, false);
}

TEST(LayoutCheck, EveryTypeAndStructHasClangsLayoutOnBothTargets) {
    ASSERT_FALSE(inputs().types.empty()) << "cannot read " << TOLVANE_GENERATED_CATALOGUE;
    ASSERT_GT(inputs().layouts.size(), inputs().types.size() * 3);
    // Every Type has its 64-bit VBA form, checked against 64-bit C.
    for (const auto& [type, text] : inputs().vba64)
        EXPECT_FALSE(text.empty()) << type << " has no vba64 form";
    tolvane::test::VbLayouts vb(inputs().vb), vba64(inputs().vba64, tolvane::gen::VbDialect::Vba64);
    tolvane::test::CsLayouts cs32(inputs().cs, 4), cs64(inputs().cs, 8);
    std::map<std::string, std::string> mismatches;
    std::map<std::string, int> counts;
    for (const CLayout& c : inputs().layouts) {
        if (c.form == "x64call") continue;  // a function's prototype (vba64_call_test.cpp)
        SCOPED_TRACE(c.type);
        if (c.form.starts_with("value")) {
            EXPECT_EQ(typedefProblem(c), "") << c.form;
            continue;
        }
        ASSERT_TRUE(inputs().types.count(c.type)) << "layout of a record the catalogue lacks";
        for (const auto& m : c.members)
            EXPECT_FALSE(m.repeated) << "C member " << m.name << " is repeated";
        const bool basic = c.form == "vb32" || c.form == "vba64";
        const std::string problem =
            basic ? basicProblem((c.form == "vb32" ? vb : vba64).of(inputs().vbName.at(c.type)), c)
                  : compareLayouts((c.form == "cs32" ? cs32 : cs64).of(c.type), c, isUnion(c.type));
        if (problem.empty()) continue;
        ++counts[c.form];
        mismatches[c.type + " " + c.form] = problem;
    }
    std::cout << "[ figures  ] layouts differing from C (reviewed exceptions): vb32 "
              << counts["vb32"] << ", vba64 " << counts["vba64"] << ", cs32 " << counts["cs32"]
              << ", cs64 " << counts["cs64"] << '\n';
    // A struct whose Pack fits 64-bit processes only says so on its first
    // line, and differs from 32-bit C.
    for (const auto& [type, text] : inputs().cs)
        if (text.starts_with("//")) {
            EXPECT_TRUE(mismatches.count(type + " cs32")) << type;
        }
    expectOnlyReviewed(mismatches, {"vb32", "vba64", "cs32", "cs64"});
}

// mono takes CharSet.Auto as ANSI on Linux, Windows as Unicode: the program
// says Unicode, as a Windows process would have it.
TEST(LayoutCheck, MonoLaysOutEveryStructAsClangDoesOn64Bit) {
    ASSERT_FALSE(inputs().types.empty());
    const fs::path dir = fs::temp_directory_path() / ("tolvane_mono_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ostringstream cs;
    cs << "using System;\nusing System.Reflection;\nusing System.Runtime.InteropServices;\n"
       << "namespace W {\n";
    for (const auto& [type, text] : inputs().cs) {
        std::string t = text;
        for (size_t i = t.find("CharSet.Auto"); i != std::string::npos;
             i = t.find("CharSet.Auto", i))
            t.replace(i, 12, "CharSet.Unicode");
        cs << t << "\n";
    }
    cs << R"(static class Probe {
    // Offsets of the fields, and of the fields of nested unions as the struct's own.
    static string Fields(Type t, long at) {
        string line = "";
        foreach (FieldInfo f in t.GetFields()) {
            long offset = at + (long)Marshal.OffsetOf(t, f.Name);
            line += "\t" + f.Name + "=" + offset;
            if (f.FieldType.DeclaringType == t) line += Fields(f.FieldType, offset);
        }
        return line;
    }
    static void Main() {
        foreach (Type t in typeof(Probe).Assembly.GetTypes()) {
            if (!t.IsValueType || t.Namespace != "W" || t.IsNested) continue;
            try {
                Console.WriteLine(t.Name + "\t" + Marshal.SizeOf(t) + Fields(t, 0));
            } catch (Exception e) { Console.WriteLine(t.Name + "\t!" + e.GetType().Name); }
        }
    }
}
}
)";
    std::ofstream(dir / "probe.cs", std::ios::binary) << cs.str();
    const std::string exe = (dir / "probe.exe").string();
    const std::string build = std::string(TOLVANE_MCS) + " -nowarn:169,414,649 -out:" + exe + " " +
                              (dir / "probe.cs").string() + " > " + (dir / "mcs.log").string() +
                              " 2>&1";
    ASSERT_EQ(std::system(build.c_str()), 0)
        << tolvane::test::readFile(dir / "mcs.log").substr(0, 4000);
    const std::string run =
        std::string(TOLVANE_MONO) + " " + exe + " > " + (dir / "out.txt").string();
    ASSERT_EQ(std::system(run.c_str()), 0);
    std::map<std::string, tolvane::test::DeclaredLayout> mono;
    std::istringstream out(tolvane::test::readFile(dir / "out.txt"));
    for (std::string line; std::getline(out, line);) {
        std::istringstream f(line);
        std::string name, size;
        std::getline(f, name, '\t');
        std::getline(f, size, '\t');
        tolvane::test::DeclaredLayout& l = mono[name];
        if (size.starts_with("!")) {
            l.problem = "mono refuses it: " + size.substr(1);
            continue;
        }
        l.size = std::stoll(size);
        for (std::string field; std::getline(f, field, '\t');)
            l.offsets.emplace(field.substr(0, field.find('=')),
                              std::stoll(field.substr(field.find('=') + 1)));
    }
    fs::remove_all(dir);
    std::map<std::string, std::string> mismatches;
    for (const CLayout& c : inputs().layouts) {
        if (c.form != "cs64") continue;
        auto l = mono.find(c.type);
        const std::string problem =
            l == mono.end() ? "not loaded" : compareLayouts(l->second, c, isUnion(c.type));
        if (problem.empty()) continue;
        // Differences the marshaller's rules predict are listed as cs64;
        // those of mono alone as mono.
        const bool predicted =
            std::any_of(inputs().exceptions.begin(), inputs().exceptions.end(),
                        [&](const auto& e) { return e.type == c.type && e.form == "cs64"; });
        mismatches[c.type + (predicted ? " cs64" : " mono")] = problem;
    }
    std::cout << "[ figures  ] structs mono lays out unlike 64-bit C: " << mismatches.size()
              << '\n';
    expectOnlyReviewed(mismatches, {"cs64", "mono"});
}

}  // namespace
