// The names programmers look up first (lookup_names.txt) are all in the
// generated catalogue, each as a record of its kind, except those listed
// as missing with a reason.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "fact_table.h"
#include "support/catalogue_rows.h"
#include "text.h"
#include "tools/catalogue_forms.h"

namespace {

struct LookupNames {
    std::map<std::string, std::vector<std::string>> byKind;  // "functions", "types", "constants"
    std::map<std::string, std::string> missing;              // name -> reason
};

LookupNames readLookupNames(const std::string& path) {
    LookupNames out;
    std::ifstream in(path);
    std::string line, section;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        std::istringstream words(line);
        std::string word;
        if (section == "missing") {
            words >> word;
            std::string reason;
            std::getline(words, reason);
            out.missing[word] = reason;
            continue;
        }
        while (words >> word) out.byKind[section].push_back(word);
    }
    return out;
}

std::string kindOf(int cls) { return cls == -1 ? "types" : cls == 0 ? "constants" : "functions"; }

TEST(LookupNames, TheGeneratedCatalogueHoldsEveryNameProgrammersLookUpFirst) {
    const LookupNames names = readLookupNames(TOLVANE_SOURCE_DIR "/tests/tools/lookup_names.txt");
    std::set<std::pair<std::string, std::string>> held;  // kind, name
    for (const auto& r : tolvane::test::generatedCatalogue()) held.insert({kindOf(r.cls), r.name});
    ASSERT_FALSE(held.empty());

    size_t total = 0;
    std::set<std::string> seen;
    for (const auto& [kind, list] : names.byKind) {
        ASSERT_TRUE(kind == "functions" || kind == "types" || kind == "constants") << kind;
        EXPECT_GE(list.size(), 50u) << kind;
        total += list.size();
        for (const std::string& name : list) {
            EXPECT_TRUE(seen.insert(name).second) << name << " is listed twice";
            EXPECT_FALSE(names.missing.count(name)) << name << " is listed and missing";
            EXPECT_TRUE(held.count({kind, name})) << kind << ": " << name;
        }
    }
    EXPECT_GE(total, 300u);
    // A missing name stays listed with its reason only while the catalogue lacks it.
    for (const auto& [name, reason] : names.missing) {
        EXPECT_FALSE(reason.empty()) << name;
        for (const char* kind : {"functions", "types", "constants"})
            EXPECT_FALSE(held.count({kind, name})) << name << " is in the catalogue now";
    }
    std::cout << "[ figures  ] " << total << " names looked up, " << names.missing.size()
              << " listed as missing\n";
}

// The functions programmers look up name their parameters as the
// documentation does, where the headers leave them unnamed: no name derived
// from a type (lpszString, dwValue2, lpvData, p1) in their VB forms.
TEST(LookupNames, LookedUpFunctionsNameTheirParametersAsDocumented) {
    const LookupNames names = readLookupNames(TOLVANE_SOURCE_DIR "/tests/tools/lookup_names.txt");
    const auto& list = names.byKind.at("functions");
    const std::set<std::string> looked(list.begin(), list.end());
    static const std::regex kDerived(
        R"(\b((lpsz(String|Buffer)|(dw|n|w|b|qw)Value|bFlag|lpvData)\d*|p\d+) As )");
    std::map<std::string, std::string> documented;
    for (const auto& row : tolvane::gen::readFacts("parameter_names.tsv", 2, 2))
        documented[row[0]] = row[1];
    std::set<std::string> seen;
    for (const auto& r : tolvane::test::generatedCatalogue()) {
        if (r.cls <= 0) continue;
        if (looked.count(r.name)) {
            EXPECT_FALSE(std::regex_search(r.declare, kDerived)) << r.declare;
        }
        auto it = documented.find(r.name);
        if (it == documented.end()) continue;
        seen.insert(r.name);
        const auto declared = tolvane::test::basicParameters(r.declare);  // by lower-case name
        for (std::string name; const char c : it->second + ",")
            if (c == ',') {
                const std::string n = tolvane::gen::lower(name);  // a VB keyword gets a "_"
                EXPECT_TRUE(declared.count(n) || declared.count(n + "_"))
                    << r.name << " lacks " << name;
                name.clear();
            } else {
                name += c;
            }
    }
    for (const auto& [function, list] : documented)
        EXPECT_TRUE(seen.count(function)) << "parameter_names.tsv names " << function;
}

}  // namespace
