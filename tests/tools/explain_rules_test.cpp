// explain states only what a fact proves, over the whole generated
// catalogue: which target alone exports a function (only from the reviewed
// hand-made records), the size of what each form declares, the Windows
// versions (only from the headers' guards and the reviewed tables) and the
// DLL the documentation names. Each check fails on a single record.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "availability.h"
#include "error_report.h"
#include "layouts_file.h"
#include "support/read_file.h"
#include "tools/catalogue_forms.h"
#include "wording.h"

namespace {

using tolvane::gen::Phrase;
using tolvane::gen::say;
using tolvane::test::CatalogueRow;
using tolvane::test::has;

const std::vector<CatalogueRow>& rows() { return tolvane::test::generatedCatalogue(); }

const CatalogueRow* function(const std::string& name) {
    for (const CatalogueRow& r : rows())
        if (r.cls > 0 && r.name == name) return &r;
    return nullptr;
}

// Every Type states its size and every constant its value; the error table
// names catalogued functions and each of them reports its error in every
// form; well-known functions state their versions and error reports.
TEST(ExplainRules, ExplainStatesVersionsErrorReportsSizesAndValues) {
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
    // win95 and winnt, and what explain says of the versions and the error
    // report: from the DLL table (psapi.dll came with NT 4.0, dwmapi.dll
    // with Vista) and the header levels.
    struct Case {
        const char *name, *columns, *part;
    };
    const Case cases[] = {
        {"CreateFile", "YesYes",
         "ANSI 版 CreateFileA，Unicode 版 CreateFileW。失败时返回 "
         "INVALID_HANDLE_VALUE（-1），并设置最后错误"},
        {"DwmEnableComposition", "NoNo",
         "需要 Windows Vista 或更高版本。返回值就是错误代码（HRESULT，小于 0 表示失败）"},
        {"EnumProcesses", "NoYes", "Windows 95/98/Me 没有 psapi.dll。"},
        {"GetFileSizeEx", "NoYes", "需要 Windows 2000 或更高版本。"},
        {"GetTickCount64", "NoNo", "需要 Windows Vista 或更高版本。"},
        {"AdjustWindowRectExForDpi", "NoNo", "需要 Windows 10 或更高版本。"},
        {"RegOpenKeyEx", "YesYes", "返回值就是错误代码（LONG，0 表示成功）"},
        {"EnumWindows", "YesYes", "声明于 winuser.h，由 user32.dll 导出。"},
        {"GetTickCount", "YesYes", "由 kernel32.dll 导出。"},
    };
    for (const Case& c : cases) {
        const CatalogueRow* r = function(c.name);
        ASSERT_NE(r, nullptr) << c.name;
        EXPECT_EQ(r->win95 + r->winnt, c.columns) << c.name;
        EXPECT_TRUE(has(r->explain, c.part)) << r->explain;
    }
    // The sample tests the result as the error rule says.
    EXPECT_TRUE(has(function("CreateFile")->recode, "If result = -1 Then Debug.Print"));
    EXPECT_TRUE(has(function("CreateFile")->recode, "if (result == new IntPtr(-1))"));
    EXPECT_TRUE(has(function("DwmEnableComposition")->recode, "If result < 0 Then"));
    EXPECT_TRUE(has(function("RegOpenKeyEx")->recode, "if (result != 0)"));
    EXPECT_FALSE(has(function("GetTickCount")->explain, "需要"));
    EXPECT_FALSE(has(function("EnumProcesses")->explain, "需要"));
    EXPECT_FALSE(has(function("EnumWindows")->explain, "错误"));
}

// A claim that one target alone exports a function is made of the hand-made
// records whose annotation says so (only=32, export32=), and of no other.
TEST(ExplainRules, OnlyReviewedFactsSayWhichTargetAloneExportsAFunction) {
    static const std::regex kRecord(
        R"((\w+?)[AW]?\([^;]*?\)\s*TOLVANE_RECORD\("[^"]*(only=32|export32=)[^"]*"\))");
    const std::string hand = tolvane::test::readFile(TOLVANE_HAND_RECORDS);
    std::set<std::string> reviewed;
    for (auto it = std::sregex_iterator(hand.begin(), hand.end(), kRecord);
         it != std::sregex_iterator(); ++it)
        reviewed.insert((*it)[1]);
    ASSERT_GE(reviewed.size(), 9u);
    for (const CatalogueRow& r : rows()) {
        if (r.cls <= 0) continue;
        const bool claims = has(r.explain, "只有 32 位的") || has(r.explain, "只有 64 位的") ||
                            r.vba64.starts_with("' ");
        EXPECT_EQ(claims, reviewed.count(r.name) != 0) << r.name << ": " << r.explain;
    }
}

// A pair's VB and 64-bit VBA Types are its ANSI structure, its C# struct the
// Unicode one: explain gives each its own sizes (OSVERSIONINFO: 148, not 276).
TEST(ExplainRules, TypesStateTheSizeOfWhatEachFormDeclares) {
    std::ifstream file(TOLVANE_GENERATED_LAYOUTS);
    std::map<std::string, std::map<std::string, long long>> sizes;  // type, form
    for (const auto& l : tolvane::gen::readLayouts(file)) sizes[l.type][l.form] = l.size;
    int pairs = 0;
    for (const CatalogueRow& r : rows()) {
        if (!tolvane::test::isStructure(r)) continue;
        auto& s = sizes[r.name];
        auto both = [](long long a, long long b) {
            return say(Phrase::Sizes, {std::to_string(a), std::to_string(b)});
        };
        std::istringstream halves(r.othername);
        std::string ansi, wide;
        halves >> ansi >> wide;
        const std::string expected =
            wide.empty() ? say(Phrase::Comma) + both(s["vb32"], s["vba64"])
                         : say(Phrase::PairHalves, {ansi, both(s["vb32"], s["vba64"]), wide,
                                                    both(s["cs32"], s["cs64"])});
        pairs += !wide.empty();
        if (!s.count("vba64") || !s.count("cs64")) continue;
        EXPECT_TRUE(has(r.explain, expected)) << r.name << ": " << r.explain;
    }
    EXPECT_GT(pairs, 250);
}

// win95 and winnt say Yes only where the reviewed DLL table (every DLL of
// the catalogue reviewed) and the version exceptions allow it, and explain
// claims the versions those state; an API set's DLL, which came with Windows
// 7 while its functions came later, makes no claim, nor does a hand-made
// Type.
TEST(ExplainRules, VersionsAreClaimedOnlyWhereTheHeadersOrReviewedFactsProveThem) {
    using tolvane::gen::Known;
    std::map<std::string, std::pair<std::string, std::string>> versions;
    for (const auto& row : tolvane::test::facts("versions.tsv", 3))
        versions[row[0]] = {row[1], row[2]};
    std::set<std::string> seen;
    for (const CatalogueRow& r : rows()) {
        if (r.cls <= 0) continue;
        SCOPED_TRACE(r.name + " of " + r.libsclass);
        const tolvane::gen::DllRule* rule = tolvane::gen::dllRule(r.libsclass);
        ASSERT_NE(rule, nullptr) << "a DLL the table does not review";
        auto fact = versions.find(r.name);
        const bool listed = fact != versions.end();
        if (listed) seen.insert(r.name);
        if (r.win95 == "Yes") {
            EXPECT_TRUE(listed ? fact->second.first == "yes" : rule->win9x == Known::Yes);
            EXPECT_TRUE(listed || rule->only9x.empty() ||
                        std::regex_search(r.name, std::regex(rule->only9x)));
        }
        const std::string nt = listed ? fact->second.second : "";
        if (r.winnt == "Yes") {
            EXPECT_TRUE(!nt.empty() ? nt == "4.0" || nt == "2000" || nt == "XP"
                                    : rule->ntSince && rule->ntSince <= tolvane::gen::kWinNtLevel);
        }
        static const std::map<std::string, std::string> kNames = {
            {"2000", "Windows 2000"},   {"XP", "Windows XP"}, {"2003", "Windows Server 2003"},
            {"Vista", "Windows Vista"}, {"7", "Windows 7"},   {"8", "Windows 8"},
            {"8.1", "Windows 8.1"},     {"10", "Windows 10"}};
        if (kNames.count(nt)) {
            EXPECT_TRUE(has(r.explain, kNames.at(nt) + " 或更高版本")) << r.explain;
        } else if (r.libsclass.starts_with("api-ms-")) {
            EXPECT_FALSE(has(r.explain, "Windows 7 或更高版本")) << r.explain;
        }
    }
    for (const auto& [name, fact] : versions) EXPECT_TRUE(seen.count(name)) << name;
    for (const CatalogueRow& r : rows()) {
        if (r.cls != -1 || r.name != "POINTAPI") continue;
        EXPECT_FALSE(has(r.explain, "需要")) << r.explain;
    }
}

// The DLL a record names is the one the documentation names where the
// import libraries name the DLL it forwards to.
TEST(ExplainRules, FunctionsNameTheDocumentedDll) {
    int lsa = 0;
    for (const CatalogueRow& r : rows()) {
        if (r.cls <= 0) continue;
        EXPECT_NE(r.libsclass, "sspicli.dll") << r.name;
        if (r.name == "CryptProtectMemory" || r.name == "CryptUnprotectMemory") {
            EXPECT_EQ(r.libsclass, "crypt32.dll") << r.name;
        }
        lsa += r.name.starts_with("Lsa") && r.libsclass == "secur32.dll";
    }
    EXPECT_GE(lsa, 11);
}

// No record shows what mingw-w64 spells otherwise than the SDK a programmer
// includes, nor a name of the C runtime or the compiler (_HEX would hide
// VB's Hex).
TEST(ExplainRules, NoRecordShowsMingwSpellingsOrReservedNames) {
    static const std::regex kMingw(
        R"(\bWINBOOL\b|__MSABI_LONG|__MINGW_|\b__LONG32\b|psdk_inc/|_mingw|pthread_)");
    int shown = 0;
    for (const CatalogueRow& r : rows()) {
        for (const std::string* text :
             {&r.explain, &r.declare, &r.csharp, &r.vba64, &r.parameter, &r.returned, &r.other})
            EXPECT_FALSE(std::regex_search(*text, kMingw)) << r.name << ": " << *text;
        EXPECT_FALSE(r.cls == 0 && r.name.starts_with("_")) << r.name;
        shown += has(r.other, " BOOL ") || r.other.starts_with("BOOL ");
    }
    EXPECT_GT(shown, 1500);
}

}  // namespace
