// The catalogue builder on small declarations: ANSI/Unicode pairs and what
// is left out. explain_rules_test.cpp checks the win95, winnt and explain
// columns on well-known records of the generated catalogue.
#include <gtest/gtest.h>

#include "catalogue.h"
#include "header_coverage.h"
#include "tools/c_types_for_tests.h"

namespace {

using namespace tolvane::test::c;
using tolvane::gen::Function;
using tolvane::gen::Row;

// Builds a catalogue of `functions`, each exported by the DLL beside it and
// declared for Windows 95 and NT 4.0 unless `levels` gives a later version.
struct Built {
    std::vector<Row> rows;
    const Row& operator[](const std::string& name) const {
        for (const Row& r : rows)
            if (r.name == name) return r;
        throw std::runtime_error("no row " + name);
    }
};
Built build(const std::vector<std::pair<tolvane::gen::Function, std::string>>& functions,
            const std::map<std::string, int>& levels = {}, std::vector<CTypePtr> records = {}) {
    tolvane::gen::Declarations d;
    tolvane::gen::ExportIndex exports;
    tolvane::gen::Availability a;
    for (const CTypePtr& r : records) d.records.push_back(r->body);
    for (const auto& [f, dll] : functions) {
        d.functions.push_back(f);
        exports[f.name] = {dll};
        auto it = levels.find(f.name);
        const int level = it == levels.end() ? 0x0400 : it->second;
        if (level <= 0x0400) a.win95.insert(f.name);
        if (level <= 0x0501) a.winnt.insert(f.name);
    }
    return {tolvane::gen::buildCatalogue(d, exports, a).rows};
}

TEST(CatalogueBuilder, PairsBecomeOneRecordUnderTheGenericName) {
    auto ofnA = record("OFNA", {field("lStructSize", DWORD()), field("lpstrFile", LPSTR())});
    auto ofnW = record("OFNW", {field("lStructSize", DWORD()), field("lpstrFile", LPWSTR())});
    const auto c = build({{declaration("PickA", BOOL(), {{"", pointer(ofnA)}}), "comdlg32.dll"},
                          {declaration("PickW", BOOL(), {{"", pointer(ofnW)}}), "comdlg32.dll"},
                          {declaration("ShowWindow", BOOL(),
                                       {{"hWnd", HWND()}, {"lpRect", pointer(constOf(RECT()))}}),
                           "user32.dll"}},
                         {{"PickW", 0x0501}, {"ShowWindow", 0x0501}}, {ofnA, ofnW});
    ASSERT_EQ(c.rows.size(), 3u);
    const Row &type = c["OFN"], &pick = c["Pick"], &show = c["ShowWindow"];
    EXPECT_EQ(pick.othername, "PickA PickW");
    EXPECT_EQ(
        pick.declare,
        R"(Declare Function Pick Lib "comdlg32.dll" Alias "PickA" (ByRef lpOFN As OFN) As Long)");
    EXPECT_NE(pick.csharp.find("CharSet = CharSet.Auto"), std::string::npos);
    EXPECT_EQ(pick.win95 + pick.winnt, "YesYes");
    EXPECT_EQ(type.othername, "OFNA OFNW");
    EXPECT_EQ(show.libsclass + ' ' + show.win95, "user32 No");
    // One line per parameter; a pointer to const is marked as input.
    EXPECT_EQ(show.parameter,
              "ByVal hWnd As Long    ' HWND hWnd\r\nByRef lpRect As Any    ' RECT * lpRect [输入]");
}

TEST(CatalogueBuilder, LeavesOutWhatCannotBeImportedOrDeclared) {
    tolvane::gen::Declarations d;
    Function variadic = declaration("wsprintfA", BOOL(), {{"", LPSTR()}});
    variadic.variadic = true;
    d.functions = {
        declaration("NotExported", BOOL(), {}), declaration("strlen", BOOL(), {}),
        declaration("DllGetClassObject", BOOL(), {}), variadic,
        declaration("GetDpi", BOOL(), {{"pt", record("ANON_PT", {field("x", LONG())})}})};
    d.records = {record("_INTERNAL", {field("a", DWORD())})->body,
                 record("IUnknownVtbl", {field("f", LPVOID())})->body, record("EMPTY", {})->body};
    d.constants = {constant("WM_NULL", 0, false), constant("WM_NULL", 5, false)};
    const tolvane::gen::ExportIndex exports = {{"strlen", {"msvcrt.dll", "ntdll.dll"}},
                                               {"DllGetClassObject", {"shell32.dll"}},
                                               {"wsprintfA", {"user32.dll"}},
                                               {"GetDpi", {"user32.dll"}}};
    const auto c = tolvane::gen::buildCatalogue(d, exports, {});
    EXPECT_EQ(c.skipped.notExported, 1);
    EXPECT_EQ(c.skipped.excludedOnly, 1);
    EXPECT_EQ(c.skipped.variadic, 1);
    EXPECT_EQ(c.skipped.inexpressible, 1);  // a structure without a Type, by value
    ASSERT_EQ(c.rows.size(), 1u);
    EXPECT_EQ(c.rows[0].name, "WM_NULL");
    EXPECT_EQ(c.rows[0].declare, "Const WM_NULL = 0");
    // A header declaring a function of a listed DLL must be read or excluded:
    // a declaration counts, not a call, a comment, a macro or a COM method.
    const std::string header = R"(/* Gone(void); */
#define Macro(x) \
    Continued(x)
WINBASEAPI BOOL WINAPI Declared (HANDLE h); // Commented(void);
HANDLE *Pointer(void);
static inline int Inline(void) { return Called(1) + (Nested(2)); }
virtual HRESULT STDMETHODCALLTYPE Method(void);
HRESULT (STDMETHODCALLTYPE *Slot)(void *This);)";
    EXPECT_EQ(tolvane::gen::declaredExports(
                  header, {"Gone", "Macro", "Continued", "Declared", "Commented", "Pointer",
                           "Inline", "Called", "Nested", "Method", "Slot"}),
              (std::set<std::string>{"Declared", "Pointer", "Inline"}));
}

}  // namespace
