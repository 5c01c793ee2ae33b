#include "core/lookup/declaration_forms.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(CopiedTextTest, PrefixesTheDeclarationBoxByFormAndEndsEveryTextWithOneMoreBreak) {
    constexpr OutputForm VB = OutputForm::VB, CS = OutputForm::CSharp, VBA64 = OutputForm::Vba64;
    const struct {
        const char* text;
        int box;
        OutputForm form;
        const char* expected;  // null: the text as it stands plus CR LF
    } cases[] = {
        {"", 3, VB, "Private \r\n"},
        {"Declare Sub A ()\r\nDeclare Sub B ()", 3, VB,
         "Private Declare Sub A ()\r\nDeclare Sub B ()\r\n"},
        // An access word already there is not recognised; the prefix goes on anyway.
        {"Public Declare Sub A", 3, VB, "Private Public Declare Sub A\r\n"},
        {"line\r\n", 3, VB, "Private line\r\n\r\n"},
        // A form that is only a comment stays one.
        {"' HWND: Long\r\nDim h As Long", 3, VB, nullptr},
        {"' HWND: LongPtr", 3, VBA64, nullptr},
        {"[A]\r\nstatic extern int A();\r\n[B]\r\nstatic extern int B();", 3, CS,
         "[A]\r\nprivate static extern int A();\r\n[B]\r\nprivate static extern int B();\r\n"},
        {"a\r\n\r\nstatic extern x", 3, CS, "a\r\n\r\nprivate static extern x\r\n"},
        // Left alone: no break before, already private, other case, other breaks, other spacing.
        {"static extern int A();", 3, CS, nullptr},
        {"x\r\nprivate static extern int A();", 3, CS, nullptr},
        {"x\r\nStatic Extern int A();\r\nSTATIC EXTERN int B();", 3, CS, nullptr},
        {"x\nstatic extern int A();\rstatic extern int B();", 3, CS, nullptr},
        {"x\r\n static extern int A();\r\nstatic  extern int B();", 3, CS, nullptr},
        {"line\r\n", 3, CS, nullptr},
        // The 64-bit VBA form is made private as VB is, whatever it holds.
        {"Declare PtrSafe Function A Lib \"a\" () As LongPtr", 3, VBA64,
         "Private Declare PtrSafe Function A Lib \"a\" () As LongPtr\r\n"},
        {"x\r\nstatic extern int A();", 3, VBA64, "Private x\r\nstatic extern int A();\r\n"},
        // Other boxes are copied as they stand.
        {"line\r\n", 0, VB, nullptr},
        {"\r\nstatic extern", 5, CS, nullptr},
        {"Declare PtrSafe Sub A", 4, VBA64, nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(copiedText(QString::fromUtf8(c.text), c.box == 3, c.form),
                  c.expected ? QString::fromUtf8(c.expected) : QString::fromUtf8(c.text) + "\r\n")
            << c.text << " box " << c.box;
}
