// Every function of the generated catalogue can be called as its
// documentation says, by the reviewed facts of the generator's data files:
// optional pointers take NULL, addresses and pointers the API owns go by
// value, variable-length results get byte buffers filled by two calls, and
// the samples pass what the contract asks. Each check fails on a single
// record that breaks the rule, and on a fact that names no record.
#include <gtest/gtest.h>

#include <iostream>
#include <regex>

#include "text.h"
#include "tools/catalogue_forms.h"
#include "wording.h"

namespace {

using tolvane::gen::Phrase;
using tolvane::gen::say;
using tolvane::test::CatalogueRow;
using tolvane::test::has;

// The facts of one kind, as (function, parameter) pairs.
std::set<std::pair<std::string, std::string>> parameterFacts(const std::string& fact) {
    std::set<std::pair<std::string, std::string>> out;
    for (const auto& row : tolvane::test::facts("parameters.tsv", 4))
        if (row[2] == fact) out.emplace(row[0], row[1]);
    return out;
}

// In upper case, as pointedType() names the catalogue's Types.
std::set<std::string> structureFacts(const std::string& fact) {
    std::set<std::string> out;
    for (const auto& row : tolvane::test::facts("structures.tsv", 3))
        if (row[1] == fact) out.insert(tolvane::test::upper(row[0]));
    return out;
}

// A function's parameter as each form declares it.
struct Forms {
    const tolvane::test::ParameterLine& line;
    std::string vb, vba64;        // "ByRef x As Any"
    std::vector<std::string> cs;  // in each C# declaration
};

// Calls `check` with every parameter of every function.
template <typename Check>
void forEachParameter(Check check) {
    for (const CatalogueRow& r : tolvane::test::generatedCatalogue()) {
        if (r.cls <= 0) continue;
        const auto lines = tolvane::test::parameterLines(r);
        const auto vba64 = tolvane::test::basicParameters(r.vba64);
        const auto cs = tolvane::test::csDeclarations(r.csharp);
        for (size_t i = 0; i < lines.size(); ++i) {
            Forms f{lines[i], lines[i].vb.size() == 1 ? lines[i].vb[0] : "", "", {}};
            if (auto it = vba64.find(tolvane::gen::lower(lines[i].cName)); it != vba64.end())
                f.vba64 = it->second;
            for (const auto& declaration : cs)
                if (i < declaration.size()) f.cs.push_back(declaration[i]);
            check(r, f);
        }
    }
}

// Each fact names a parameter the catalogue has.
void expectAllUsed(const std::set<std::pair<std::string, std::string>>& listed,
                   const std::set<std::pair<std::string, std::string>>& used, const char* fact) {
    for (const auto& [function, parameter] : listed) {
        if (function == "*") continue;
        EXPECT_TRUE(used.count({function, parameter}))
            << fact << " fact of " << function << " " << parameter << " names no record";
    }
}

TEST(CallingRules, OptionalPointersTakeNullInEveryForm) {
    const auto listed = parameterFacts("optional");
    const auto structures = structureFacts("optional");
    std::set<std::pair<std::string, std::string>> used;
    int optional = 0;
    forEachParameter([&](const CatalogueRow& r, const Forms& f) {
        const bool isListed =
            listed.count({r.name, f.line.cName}) ||
            structures.count(tolvane::test::pointedType(f.line.cType, tolvane::test::typeNames()));
        if (!isListed) return;
        used.emplace(r.name, f.line.cName);
        ++optional;
        SCOPED_TRACE(r.name + " " + f.line.cName);
        EXPECT_TRUE(has(f.line.markers, say(Phrase::OptionalMarker)));
        for (const std::string* basic : {&f.vb, &f.vba64})
            EXPECT_TRUE(basic->starts_with("ByVal ") || basic->ends_with(" As Any")) << *basic;
        ASSERT_FALSE(f.cs.empty());
        EXPECT_FALSE(f.cs.back().starts_with("ref ")) << f.cs.back();
    });
    expectAllUsed(listed, used, "optional");
    std::cout << "[ figures  ] optional parameters: " << optional << '\n';
}

TEST(CallingRules, AddressesAndOwnedPointersGoByValue) {
    auto addresses = parameterFacts("address");
    // Facts about every parameter of a type or a name.
    std::set<std::string> addressTypes, addressNames;
    for (const auto& [function, parameter] : addresses)
        if (function == "*")
            (parameter.starts_with("type:") ? addressTypes : addressNames)
                .insert(parameter.starts_with("type:") ? parameter.substr(5) : parameter);
    const auto owned = parameterFacts("owned");
    const auto ownedTypes = structureFacts("owned");
    std::set<std::pair<std::string, std::string>> used;
    forEachParameter([&](const CatalogueRow& r, const Forms& f) {
        const std::pair<std::string, std::string> key = {r.name, f.line.cName};
        std::string type = f.line.cType;
        if (type.starts_with("const ")) type.erase(0, 6);
        const bool untyped = type == "LPVOID" || type == "PVOID" || type == "void *";
        const bool address = addresses.count(key) || addressTypes.count(type) ||
                             (addressNames.count(f.line.cName) && untyped);
        const bool isOwned = owned.count(key) || ownedTypes.count(tolvane::test::pointedType(
                                                     f.line.cType, tolvane::test::typeNames()));
        if (!address && !isOwned) return;
        used.insert(key);
        SCOPED_TRACE(r.name + " " + f.line.cName);
        EXPECT_TRUE(
            has(f.line.markers, say(address ? Phrase::AddressMarker : Phrase::OwnedMarker)));
        EXPECT_EQ(f.vb, "ByVal " + f.line.cName + " As Long");
        EXPECT_EQ(f.vba64, "ByVal " + f.line.cName + " As LongPtr");
        for (const std::string& cs : f.cs) EXPECT_EQ(cs, "IntPtr " + f.line.cName);
    });
    expectAllUsed(addresses, used, "address");
    expectAllUsed(owned, used, "owned");
    // A structure a function returns a pointer to is owned by the API, or
    // reviewed as one that callers also fill themselves.
    const auto notOwned = structureFacts("not-owned");
    for (const CatalogueRow& r : tolvane::test::generatedCatalogue()) {
        const size_t c = r.returned.rfind("C: ");
        if (r.cls <= 0 || c == std::string::npos) continue;
        const std::string result = r.returned.substr(c + 3, r.returned.rfind("）") - c - 3);
        const std::string type = tolvane::test::pointedType(result, tolvane::test::typeNames());
        if (type.empty()) continue;
        EXPECT_TRUE(ownedTypes.count(type) || notOwned.count(type))
            << r.name << " returns a pointer to " << type << ", neither owned nor not-owned";
    }
}

TEST(CallingRules, VariableLengthResultsAreByteBuffersFilledByTwoCalls) {
    std::set<std::pair<std::string, std::string>> used;
    const auto listed = parameterFacts("sized");
    forEachParameter([&](const CatalogueRow& r, const Forms& f) {
        if (!listed.count({r.name, f.line.cName})) return;
        used.emplace(r.name, f.line.cName);
        SCOPED_TRACE(r.name + " " + f.line.cName);
        const std::string& name = f.line.cName;
        EXPECT_EQ(f.vb, "ByRef " + name + " As Any");
        EXPECT_EQ(f.vba64, "ByRef " + name + " As Any");
        for (const std::string& cs : f.cs) EXPECT_EQ(cs, "IntPtr " + name);
        const auto sample = tolvane::test::sampleParts(r.recode);
        for (const auto& [basic, null] :
             {std::pair{sample.vb, "ByVal 0&"}, std::pair{sample.vba64, "ByVal 0^"}}) {
            EXPECT_TRUE(has(basic, "Dim " + name + "() As Byte")) << basic;
            EXPECT_TRUE(has(basic, null) && has(basic, "ReDim " + name + "(0 To ") &&
                        has(basic, name + "(0)"))
                << basic;
        }
        EXPECT_TRUE(has(sample.cs, name + " = Marshal.AllocHGlobal(")) << sample.cs;
    });
    expectAllUsed(listed, used, "sized");
}

// Optional texts get NULL, not "" (FindWindow("", "") finds no window), and
// a structure's size passed beside it (GetModuleInformation's cb) is set.
TEST(CallingRules, SamplesPassWhatTheContractAsks) {
    int texts = 0, sizes = 0;
    forEachParameter([&](const CatalogueRow& r, const Forms& f) {
        const auto sample = tolvane::test::sampleParts(r.recode);
        const std::string& name = f.line.cName;
        if (has(f.line.markers, say(Phrase::OptionalMarker))) {
            EXPECT_FALSE(has(sample.cs, " " + name + " = \"\";")) << r.name << "\n" << sample.cs;
            if (f.vb == "ByVal " + name + " As String") {
                ++texts;
                EXPECT_TRUE(has(sample.vb, name + " = vbNullString")) << r.name;
            }
        }
    });
    // A pointer VB takes As Any gets NULL, a Type, or bytes; a Long variable
    // (four bytes) only where the parameter beside it gives the length.
    static const std::regex kLength("size|len|max|count|cch|bytes|^cb|^pcb|^lpcb",
                                    std::regex::icase);
    int longs = 0;
    for (const CatalogueRow& r : tolvane::test::generatedCatalogue()) {
        if (r.cls <= 0) continue;
        const auto lines = tolvane::test::parameterLines(r);
        const auto sample = tolvane::test::sampleParts(r.recode);
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::string& name = lines[i].cName;
            if (lines[i].vb != std::vector{"ByRef " + name + " As Any"} ||
                (!has(sample.vb, "\r\nDim " + name + " As Long\r\n") &&
                 !has(sample.vba64, "\r\nDim " + name + " As Long\r\n")))
                continue;
            ++longs;
            bool bounded = false;
            for (size_t j : {i - 1, i + 1})
                bounded =
                    bounded || (j < lines.size() && std::regex_search(lines[j].cName, kLength));
            EXPECT_TRUE(bounded) << r.name << " passes a Long to " << name;
        }
        for (size_t i = 1; i < lines.size(); ++i) {
            const std::string& cb = lines[i].cName;
            const std::string& structure = lines[i - 1].vb.size() == 1 ? lines[i - 1].vb[0] : "";
            if (!cb.starts_with("cb") || lines[i].vb != std::vector{"ByVal " + cb + " As Long"} ||
                !structure.starts_with("ByRef ") ||
                !tolvane::test::typeNames().count(
                    tolvane::test::upper(structure.substr(structure.rfind(' ') + 1))))
                continue;
            ++sizes;
            EXPECT_TRUE(has(tolvane::test::sampleParts(r.recode).vb, "\r\n" + cb + " = "))
                << r.name << " leaves " << cb << " unset";
        }
    }
    std::cout << "[ figures  ] samples passing NULL texts: " << texts
              << ", setting a structure size parameter: " << sizes
              << ", passing a Long beside its length to As Any: " << longs << '\n';
}

}  // namespace
