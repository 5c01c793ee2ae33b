// Every declaration of the generated catalogue against the rules a layout
// alone does not show: no VB name is a reserved word, text members are
// converted strings only where a function takes the structure itself, and
// the VB and 64-bit VBA forms name the same members and parameters. Each
// check fails on a single record.
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

// The names a VB or 64-bit VBA form gives: the declared name, parameters,
// members, and the Types it refers to (not VB's own types).
std::vector<std::string> basicNames(const std::string& text) {
    static const std::set<std::string> kBuiltin = {"long",    "integer",  "byte",    "single",
                                                   "double",  "currency", "string",  "any",
                                                   "boolean", "longptr",  "longlong"};
    static const std::regex kHead(R"(^(?:Declare (?:PtrSafe )?(?:Function|Sub)|Type|Const) (\w+))");
    static const std::regex kTyped(R"((?:^    |By(?:Val|Ref) )(\w+)(?:\(0 To \d+\))? As (\w+))");
    std::vector<std::string> out;
    for (const std::string& line : tolvane::gen::splitLines(text)) {
        std::smatch m;
        if (std::regex_search(line, m, kHead)) out.push_back(m[1]);
        for (auto it = std::sregex_iterator(line.begin(), line.end(), kTyped);
             it != std::sregex_iterator(); ++it) {
            out.push_back((*it)[1]);
            if (!kBuiltin.count(tolvane::gen::lower((*it)[2]))) out.push_back((*it)[2]);
        }
    }
    return out;
}

TEST(TypeRules, NoVbNameIsAReservedWord) {
    std::set<std::string> reserved;
    for (const auto& row : tolvane::test::facts("reserved_words.tsv", 2))
        if (row[0] == "vb") reserved.insert(tolvane::gen::lower(row[1]));
    for (const char* word : {"variant", "decimal", "input", "ptrsafe", "longptr", "attribute"})
        ASSERT_TRUE(reserved.count(word)) << word;
    for (const CatalogueRow& r : rows())
        for (const std::string* text : {&r.declare, &r.vba64})
            for (const std::string& name : basicNames(*text))
                EXPECT_FALSE(reserved.count(tolvane::gen::lower(name)))
                    << r.name << " names " << name << ":\n"
                    << *text;
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
