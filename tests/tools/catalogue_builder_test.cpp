// What the catalogue builder leaves out, on small declarations, and which
// functions a header declares. golden.txt shows ANSI/Unicode pairs as one
// record (CreateFile, OPENFILENAME), explain_rules_test.cpp the win95, winnt
// and explain columns, both on the generated catalogue.
#include <gtest/gtest.h>

#include "catalogue.h"
#include "header_coverage.h"
#include "tools/c_types_for_tests.h"

namespace {

using namespace tolvane::test::c;
using tolvane::gen::Function;

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
