// Every 64-bit VBA Declare of the generated catalogue read back from its
// text as 64-bit VBA passes its arguments, compared with clang's x86_64
// prototype of the function (the generator's x64call lines): the same
// parameters by name, each passing as many bytes as the x64 calling
// convention takes for it, each ByRef pointing at as many bytes as C's
// pointer does (a Type by its size computed from its vba64 text), and a
// result of C's size.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>

#include "declared_layouts.h"
#include "layout_rules.h"
#include "layouts_file.h"
#include "support/catalogue_rows.h"
#include "tools/catalogue_forms.h"

namespace {

using tolvane::gen::CLayout;
using tolvane::test::CatalogueRow;

long long vba64Size(const std::string& type) {
    return tolvane::test::vbValueSize(type, tolvane::gen::VbDialect::Vba64);
}

// The first difference between a Declare and C's prototype, "" if none.
std::string difference(const std::string& declare, const CLayout& c,
                       tolvane::test::VbLayouts& types) {
    static const std::regex kShape(
        R"re(^Declare PtrSafe (Function|Sub) \S+ Lib "[^"]+"( Alias "[^"]+")? \((.*)\)( As (\w+))?$)re");
    static const std::regex kParam(R"(^(ByVal|ByRef) (\w+) As (\w+)$)");
    std::smatch m;
    if (!std::regex_match(declare, m, kShape)) return "not a 64-bit VBA Declare";
    const long long result = m[4].matched ? vba64Size(m[5]) : 0;
    if (result != c.size)
        return "result of " + std::to_string(result) + " bytes, C has " + std::to_string(c.size);
    const std::vector<std::string> params = tolvane::test::split(m[3], ", ");
    if (params.size() != c.members.size())
        return std::to_string(params.size()) + " parameters, C has " +
               std::to_string(c.members.size());
    for (size_t i = 0; i < params.size(); ++i) {
        const tolvane::gen::MemberAt& p = c.members[i];
        std::smatch pm;
        if (!std::regex_match(params[i], pm, kParam)) return "malformed parameter " + params[i];
        if (pm[2] != p.name) return "parameter " + pm[2].str() + " where C has " + p.name;
        const bool byRef = pm[1] == "ByRef";
        const std::string type = pm[3];
        const long long passed = byRef ? 8 : vba64Size(type);
        if (passed != p.size)
            return p.name + " passes " + std::to_string(passed) + " bytes, C " +
                   std::to_string(p.size);
        if (!byRef || p.offset == 0 || type == "Any") continue;
        long long pointee = vba64Size(type);
        if (pointee == 0) {
            const tolvane::test::DeclaredLayout& t = types.of(type);
            if (!t.problem.empty()) return p.name + ": " + t.problem;
            // A Type may end on the padding VB rounds it up with (its explain
            // says so): the callee reaches only C's bytes of it.
            pointee = tolvane::gen::roundUp(p.offset, t.align) == t.size ? p.offset : t.size;
        }
        if (pointee != p.offset)
            return p.name + " points to " + std::to_string(pointee) + " bytes, C to " +
                   std::to_string(p.offset);
    }
    return {};
}

TEST(Vba64Call, EveryDeclarePassesWhatTheX64PrototypeTakes) {
    const auto& rows = tolvane::test::generatedCatalogue();
    ASSERT_FALSE(rows.empty());
    std::ifstream file(TOLVANE_GENERATED_LAYOUTS);
    std::map<std::string, CLayout> calls;
    std::map<std::string, std::string> typeTexts;
    for (CLayout& l : tolvane::gen::readLayouts(file))
        if (l.form == "x64call") calls.emplace(l.type, std::move(l));
    for (const CatalogueRow& r : rows)
        if (tolvane::test::isStructure(r)) typeTexts[tolvane::test::vbTypeName(r.vba64)] = r.vba64;
    tolvane::test::VbLayouts types(typeTexts, tolvane::gen::VbDialect::Vba64);
    int checked = 0, without = 0, only32 = 0;
    for (const CatalogueRow& r : rows) {
        if (r.cls <= 0) continue;
        if (r.vba64.starts_with("' ")) {  // no 64-bit DLL exports it: nothing to declare
            ++only32;
            EXPECT_NE(r.explain.find("只有 32 位的"), std::string::npos) << r.name;
            continue;
        }
        auto c = calls.find(r.name);
        if (c == calls.end()) {
            ++without;
            EXPECT_NE(r.explain.find("64 位头文件不声明此函数"), std::string::npos) << r.name;
            continue;
        }
        ++checked;
        EXPECT_EQ(difference(r.vba64, c->second, types), "") << r.name << ": " << r.vba64;
    }
    std::cout << "[ figures  ] 64-bit VBA Declares checked against x86_64 prototypes: " << checked
              << ", functions the 64-bit headers do not declare: " << without
              << ", functions only 32-bit DLLs export: " << only32 << '\n';
    EXPECT_GT(checked, 5000);
    EXPECT_LT(without, checked / 100);
}

}  // namespace
