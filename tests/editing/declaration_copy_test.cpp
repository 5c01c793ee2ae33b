#include "editing/declaration_copy.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {
QString q(const char* s) { return QString::fromUtf8(s); }
}  // namespace

TEST(CopiedTextTest, VbFormPutsPrivateInFrontOfTheWholeText) {
    EXPECT_EQ(copiedText(q(""), 3, OutputForm::VB), q("Private \r\n"));
    EXPECT_EQ(copiedText(q("Declare Sub A ()\r\nDeclare Sub B ()"), 3, OutputForm::VB),
              q("Private Declare Sub A ()\r\nDeclare Sub B ()\r\n"));
    // An access word already there is not recognised; the prefix goes on anyway.
    EXPECT_EQ(copiedText(q("Public Declare Sub A"), 3, OutputForm::VB), q("Private Public Declare Sub A\r\n"));
}

TEST(CopiedTextTest, CSharpFormMakesExactlyTheExternLinesAfterABreakPrivate) {
    const struct {
        const char *text, *expected;
    } cases[] = {
        {"[A]\r\nstatic extern int A();\r\n[B]\r\nstatic extern int B();",
         "[A]\r\nprivate static extern int A();\r\n[B]\r\nprivate static extern int B();"},
        {"a\r\n\r\nstatic extern x", "a\r\n\r\nprivate static extern x"},
        {"\r\nstatic extern\r\nstatic extern", "\r\nprivate static extern\r\nprivate static extern"},
        // Left alone: no break before, already private, other case, other breaks, other spacing.
        {"static extern int A();", nullptr},
        {"x\r\nprivate static extern int A();", nullptr},
        {"x\r\nStatic Extern int A();\r\nSTATIC EXTERN int B();", nullptr},
        {"x\nstatic extern int A();\rstatic extern int B();", nullptr},
        {"x\r\n static extern int A();\r\nstatic  extern int B();", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(copiedText(q(c.text), 3, OutputForm::CSharp), q(c.expected ? c.expected : c.text) + q("\r\n"))
            << c.text;
}

TEST(CopiedTextTest, EveryTextGetsOneMoreLineBreakAndOtherBoxesStayAsTheyAre) {
    EXPECT_EQ(copiedText(q("line\r\n"), 3, OutputForm::VB), q("Private line\r\n\r\n"));
    EXPECT_EQ(copiedText(q("line\r\n"), 3, OutputForm::CSharp), q("line\r\n\r\n"));
    for (int box : {0, 1, 2, 4, 5, 6, 7}) {
        EXPECT_EQ(copiedText(q("line\r\n"), box, OutputForm::VB), q("line\r\n\r\n")) << box;
        EXPECT_EQ(copiedText(q("\r\nstatic extern"), box, OutputForm::CSharp), q("\r\nstatic extern\r\n")) << box;
    }
}
