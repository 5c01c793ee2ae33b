// Every Type and struct of the generated catalogue against the rules a
// layout alone does not show: text members are converted strings only where
// a function takes the structure itself, and the VB and 64-bit VBA Types
// hold the same members. Each check fails on a single record.
#include <gtest/gtest.h>

#include <iostream>
#include <regex>

#include "text.h"
#include "tools/catalogue_forms.h"

namespace {

using tolvane::test::CatalogueRow;
using tolvane::test::upper;

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const std::vector<CatalogueRow>& rows() { return tolvane::test::generatedCatalogue(); }

// The Types a function takes directly (C# "ref T" or "T x", VB "ByRef x As
// T"), and those inside them by value, in upper case.
std::set<std::string> typesTakenDirectly() {
    static const std::regex kMember(R"(^    \w+(?:\(0 To \d+\))? As (\w+))");
    std::map<std::string, std::vector<std::string>> nested;
    for (const CatalogueRow& r : rows()) {
        if (r.cls != -1) continue;
        for (const std::string& line : tolvane::gen::splitLines(r.declare)) {
            std::smatch m;
            if (std::regex_search(line, m, kMember)) nested[upper(r.name)].push_back(upper(m[1]));
        }
    }
    std::set<std::string> taken;
    std::vector<std::string> pending;
    auto take = [&](const std::string& type) {
        if (tolvane::test::typeNames().count(upper(type)) && taken.insert(upper(type)).second)
            pending.push_back(upper(type));
    };
    for (const CatalogueRow& r : rows()) {
        if (r.cls <= 0) continue;
        for (const auto& declaration : tolvane::test::csDeclarations(r.csharp))
            for (std::string p : declaration) {
                if (p.starts_with("ref ")) p.erase(0, 4);
                take(p.substr(0, p.find(' ')));
            }
        for (const auto& [name, p] : tolvane::test::basicParameters(r.declare))
            if (p.starts_with("ByRef ")) take(p.substr(p.rfind(' ') + 1));
    }
    while (!pending.empty()) {
        const std::string type = pending.back();
        pending.pop_back();
        for (const std::string& member : nested[type]) take(member);
    }
    return taken;
}

TEST(TypeRules, TextMembersAreStringsOnlyWhereAFunctionTakesTheType) {
    std::set<std::string> kept;
    for (const auto& row : tolvane::test::facts("structures.tsv", 3))
        if (row[1] == "kept" || row[1] == "kept-pointers") kept.insert(upper(row[0]));
    const std::set<std::string> taken = typesTakenDirectly();
    int strings = 0;
    for (const CatalogueRow& r : rows()) {
        if (r.cls != -1) continue;
        const bool converted = taken.count(upper(r.name)) && !kept.count(upper(r.name));
        // A text pointer VB or the marshaller converts: "x As String" (not a
        // fixed "String * n"), "public string x" (not a ByValTStr array).
        auto converts = [](const std::string& text) {
            for (const std::string& line : tolvane::gen::splitLines(text))
                if ((line.starts_with("    ") && line.ends_with(" As String")) ||
                    (has(line, "public string ") && !has(line, "ByValTStr")))
                    return true;
            return false;
        };
        const bool any = converts(r.declare) || converts(r.vba64) || converts(r.csharp);
        strings += any;
        EXPECT_TRUE(converted || !any) << r.name << " holds a text pointer as a string";
    }
    std::cout << "[ figures  ] Types holding texts VB or C# converts: " << strings << '\n';
}

}  // namespace
