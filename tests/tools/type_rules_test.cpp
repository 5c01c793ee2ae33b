// Every declaration of the generated catalogue against the rules a layout
// alone does not show: no VB name is a reserved word, text members are
// converted strings only where a function takes the structure itself, and
// the VB and 64-bit VBA forms name the same members and parameters. Each
// check fails on a single record.
#include <gtest/gtest.h>

#include <iostream>
#include <regex>

#include "declared_layouts.h"
#include "text.h"
#include "tools/catalogue_forms.h"
#include "wording.h"

namespace {

using tolvane::test::CatalogueRow;
using tolvane::test::has;
using tolvane::test::upper;

const std::vector<CatalogueRow>& rows() { return tolvane::test::generatedCatalogue(); }

// The Types a function takes directly (C# "ref T" or "T x", VB "ByRef x As
// T"), and those inside them by value, in upper case.
std::set<std::string> typesTakenDirectly() {
    static const std::regex kMember(R"(^    \w+(?:\(0 To \d+\))? As (\w+))");
    std::map<std::string, std::vector<std::string>> nested;
    for (const CatalogueRow& r : rows()) {
        if (!tolvane::test::isStructure(r)) continue;
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
        if (!tolvane::test::isStructure(r)) continue;
        // A typedef's record repeats its structure's forms.
        const std::string alias = tolvane::test::aliasTarget(r);
        const std::string name = upper(alias.empty() ? r.name : alias);
        const bool converted =
            (taken.count(name) || taken.count(upper(tolvane::test::vbTypeName(r.declare)))) &&
            !kept.count(name);
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

// A member is held as bytes only where VB cannot place it as C does, and
// its comment says why truly: C keeps it at an offset VB would align further,
// or it is a Type VB makes longer than C (WAVEFORMATEX inside
// WAVEFORMATEXTENSIBLE), or only some of a bit-field unit's bytes are its own.
TEST(TypeRules, MembersAreHeldAsBytesOnlyWhereVbCannotPlaceThem) {
    static const std::regex kHeld(R"(^    (\w+)\(0 To (\d+)\) As Byte  ' (.*)$)");
    static const std::regex kMisaligned(
        R"(^C 在偏移 (\d+) 处存放 (\S+?)( 数组)?，VB 会把它对齐到 (\d+) 的倍数，故按 (\d+) 个字节存放)");
    static const std::regex kOtherSize(
        R"(^C 在偏移 \d+ 处存放 (\w+)（(\d+) 字节），VB 的 \w+ 占 (\d+) 字节，故按 \d+ 个字节存放)");
    static const std::regex kCut(R"(^C 在偏移 \d+ 处存放的 \S+ 只有 (\d+) 个字节属于它)");
    for (const auto dialect : {tolvane::gen::VbDialect::Vb6, tolvane::gen::VbDialect::Vba64}) {
        const bool vba64 = dialect == tolvane::gen::VbDialect::Vba64;
        std::map<std::string, std::string> texts;
        for (const CatalogueRow& r : rows())
            if (tolvane::test::isStructure(r))
                texts[tolvane::test::vbTypeName(r.declare)] = vba64 ? r.vba64 : r.declare;
        tolvane::test::VbLayouts layouts(texts, dialect);
        const std::map<std::string, int> kSizes = {
            {"Integer", 2},  {"Long", 4},    {"Single", 4},   {"Double", 8},
            {"Currency", 8}, {"LongPtr", 8}, {"LongLong", 8}, {"字符串指针", vba64 ? 8 : 4}};
        int held = 0;
        for (const auto& [type, text] : texts)
            for (const std::string& line : tolvane::gen::splitLines(text)) {
                std::smatch m, n;
                if (!std::regex_match(line, m, kHeld) ||
                    m[3] == tolvane::gen::say(tolvane::gen::Phrase::AlignmentFiller))
                    continue;
                ++held;
                const std::string note = m[3];
                SCOPED_TRACE(type + ": " + line);
                if (std::regex_search(note, n, kMisaligned)) {
                    const std::string element = n[2];
                    auto size = kSizes.find(element);
                    const int align = size != kSizes.end() ? std::min(size->second, vba64 ? 8 : 4)
                                                           : layouts.of(element).align;
                    EXPECT_EQ(std::stoi(n[4]), align) << "VB aligns " << element << " otherwise";
                    EXPECT_NE(std::stoll(n[1]) % align, 0) << "VB can place it there";
                } else if (std::regex_search(note, n, kOtherSize)) {
                    EXPECT_EQ(layouts.of(n[1]).size, std::stoll(n[3]));
                    EXPECT_NE(n[2], n[3]);
                } else {
                    EXPECT_TRUE(std::regex_search(note, n, kCut)) << "an unexplained byte array";
                }
            }
        std::cout << "[ figures  ] members held as bytes (" << (vba64 ? "64-bit VBA" : "VB6")
                  << "): " << held << '\n';
    }
}

// The 64-bit VBA form names what the VB form names: the same members of a
// Type (the same union members, OVERLAPPED's Offset and OffsetHigh) unless
// the 64-bit headers define the structure otherwise, and the same
// parameters of a Declare (one for a structure VB passes as several words).
TEST(TypeRules, VbAndVba64FormsNameTheSameMembersAndParameters) {
    std::set<std::string> redefined;
    for (const auto& row : tolvane::test::facts("structures.tsv", 3))
        if (row[1] == "redefined-64") redefined.insert(row[0]);
    auto members = [](const std::string& block) {
        static const std::regex kMember(R"(^    (\w+))");
        std::vector<std::string> out;
        for (const std::string& line : tolvane::gen::splitLines(block)) {
            std::smatch m;
            if (std::regex_search(line, m, kMember) &&
                !std::regex_match(m[1].str(), std::regex("unused\\d+")))
                out.push_back(m[1]);
        }
        return out;
    };
    for (const CatalogueRow& r : rows()) {
        if (tolvane::test::isStructure(r)) {
            // A name the 64-bit headers make a macro for another structure
            // (STACKFRAME: STACKFRAME64) may have other members there.
            if (tolvane::test::renamedOn64Bits(r).empty()) {
                EXPECT_EQ(members(r.declare) == members(r.vba64), !redefined.count(r.name))
                    << r.name;
            }
            continue;
        }
        if (r.cls <= 0 || r.vba64.starts_with("' ")) continue;
        std::vector<std::string> vb, vba64;
        for (const auto& line : tolvane::test::parameterLines(r)) {
            const std::string first = line.vb.empty() ? "" : line.vb[0].substr(6);
            const std::string name = first.substr(0, first.find(' '));
            // A structure by value goes to VB as words: ftn_1, pt_x, pt_y.
            const size_t cut = name.rfind('_');
            const bool word =
                cut != std::string::npos && cut + 1 < name.size() &&
                (name.substr(0, cut) == line.cName || name.substr(0, cut) == line.cName + "_");
            vb.push_back(word ? name.substr(0, cut) : name);
        }
        static const std::regex kParam(R"((?:ByVal|ByRef) (\w+) As)");
        for (auto it = std::sregex_iterator(r.vba64.begin(), r.vba64.end(), kParam);
             it != std::sregex_iterator(); ++it)
            vba64.push_back((*it)[1]);
        EXPECT_EQ(vb, vba64) << r.name;
    }
}

}  // namespace
