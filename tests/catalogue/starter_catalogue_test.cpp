// Structural checks over every row of the built starter catalogue: the copy
// command, the check boxes and the DLL filter all rely on these forms.
#include "catalogue/vocabulary.h"
#include "support/catalogue_rows.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

using tolvane::test::CatalogueRow;

std::size_t count(const std::string& s, const std::string& what) {
    std::size_t n = 0;
    for (auto p = s.find(what); p != std::string::npos; p = s.find(what, p + what.size())) ++n;
    return n;
}

TEST(StarterCatalogueTest, EveryRowHasTheFormsItsUsersRelyOn) {
    const std::vector<CatalogueRow> rows = tolvane::test::readCatalogue(TOLVANE_STARTER_CATALOGUE);
    QStringList dlls = tolvane::kDllList.split(QLatin1Char('~'));
    dlls.removeAt(tolvane::kAllLibrariesPosition);
    int kinds[3] = {}, lowerCaseYes = 0, withoutCSharp = 0;  // kinds: types, constants, functions
    for (const CatalogueRow& r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_TRUE(r.cls >= -1 && r.cls <= 16 && r.cls != 1);
        ++kinds[std::min(r.cls, 1) + 1];
        // GetSystemMetrics keeps a lower-case "yes" on purpose; nothing else may.
        const bool quirk = r.name == "GetSystemMetrics" && r.win95 == "yes";
        lowerCaseYes += quirk;
        EXPECT_TRUE(quirk || r.win95 == "Yes" || r.win95 == "No") << r.win95;
        EXPECT_TRUE(r.winnt == "Yes" || r.winnt == "No") << r.winnt;
        for (const char* word : {"Private", "Public", "Friend", "Global"}) EXPECT_FALSE(r.declare.starts_with(word));
        EXPECT_EQ(count(r.declare, "("), count(r.declare, ")"));
        for (const std::string* s : {&r.declare, &r.csharp}) {  // line breaks are CR LF, never bare
            EXPECT_EQ(count(*s, "\n"), count(*s, "\r\n"));
            EXPECT_EQ(count(*s, "\r"), count(*s, "\r\n"));
        }
        if (r.cls <= 0) {
            EXPECT_EQ(r.libsclass, "");
            continue;
        }
        EXPECT_TRUE(dlls.contains(QString::fromStdString(r.libsclass))) << r.libsclass;
        const std::string tail = " " + r.name + " Lib \"" + r.libsclass + "\"";
        EXPECT_TRUE(r.declare.starts_with("Declare Function" + tail) || r.declare.starts_with("Declare Sub" + tail))
            << r.declare;
        // The copy command turns CR LF + "static extern" into a private
        // declaration: the attribute line and exactly that one break.
        if (r.csharp.empty()) {
            ++withoutCSharp;
            continue;
        }
        EXPECT_TRUE(r.csharp.starts_with("[DllImport(\""));
        EXPECT_EQ(count(r.csharp, "\r\n"), 1u);
        EXPECT_EQ(count(r.csharp, "\r\nstatic extern "), 1u);
        EXPECT_NE(r.csharp.find(" " + r.name + "("), std::string::npos);
        EXPECT_TRUE(r.csharp.ends_with(';'));
    }
    EXPECT_GE(kinds[2], 30);
    EXPECT_GE(kinds[0], 4);
    EXPECT_GE(kinds[1], 4);
    EXPECT_EQ(lowerCaseYes, 1);
    EXPECT_EQ(withoutCSharp, 1);
}

}  // namespace
