#include "editing/declaration_copy.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {
const QString CRLF = QStringLiteral("\r\n");
QString q(const char* s) { return QString::fromUtf8(s); }
}  // namespace

TEST(CopiedTextTest, VbFormPutsPrivateInFrontOfTheWholeText) {
    EXPECT_EQ(copiedText(q(""), 3, OutputForm::VB), q("Private \r\n"));
    EXPECT_EQ(copiedText(q("Declare Sub A Lib \"k\" ()\r\nDeclare Sub B Lib \"k\" ()"), 3, OutputForm::VB),
              q("Private Declare Sub A Lib \"k\" ()\r\nDeclare Sub B Lib \"k\" ()\r\n"));
    // An access word already there is not recognised; the prefix goes on anyway.
    EXPECT_EQ(copiedText(q("Public Declare Sub A"), 3, OutputForm::VB),
              q("Private Public Declare Sub A\r\n"));
}

TEST(CopiedTextTest, CSharpFormMakesEveryExternLineAfterABreakPrivate) {
    const QString text = q("[DllImport(\"user32\")]\r\nstatic extern int A();\r\n"
                           "[DllImport(\"user32\")]\r\nstatic extern int B();");
    EXPECT_EQ(copiedText(text, 3, OutputForm::CSharp),
              q("[DllImport(\"user32\")]\r\nprivate static extern int A();\r\n"
                "[DllImport(\"user32\")]\r\nprivate static extern int B();\r\n"));
}

TEST(CopiedTextTest, CSharpFormLeavesWhatIsNotABreakThenExactWords) {
    struct Case {
        const char* text;
        const char* why;
    };
    const Case unchanged[] = {
        {"static extern int A();", "at the very start, no break before it"},
        {"x\r\nprivate static extern int A();", "already private"},
        {"x\r\nStatic Extern int A();", "other letter case"},
        {"x\r\nSTATIC EXTERN int A();", "other letter case"},
        {"x\nstatic extern int A();", "LF alone is no line break here"},
        {"x\rstatic extern int A();", "CR alone is no line break here"},
        {"x\r\n static extern int A();", "blank between break and words"},
        {"x\r\nstatic  extern int A();", "two blanks"},
        {"", "empty"},
        {"nothing to match", "no match"},
    };
    for (const Case& c : unchanged)
        EXPECT_EQ(copiedText(q(c.text), 3, OutputForm::CSharp), q(c.text) + CRLF) << c.why;
}

TEST(CopiedTextTest, CSharpMatchesDoNotOverlapAndBreaksAtTheEndStay) {
    // Two breaks in a row: only the second one is followed by the words.
    EXPECT_EQ(copiedText(q("a\r\n\r\nstatic extern x"), 3, OutputForm::CSharp),
              q("a\r\n\r\nprivate static extern x\r\n"));
    // The replacement itself is not scanned again.
    EXPECT_EQ(copiedText(q("\r\nstatic extern\r\nstatic extern"), 3, OutputForm::CSharp),
              q("\r\nprivate static extern\r\nprivate static extern\r\n"));
}

TEST(CopiedTextTest, EveryTextGetsOneMoreLineBreakInEveryFormAndBox) {
    const QString endsInBreak = q("line\r\n");
    EXPECT_EQ(copiedText(endsInBreak, 3, OutputForm::VB), q("Private line\r\n\r\n"));
    EXPECT_EQ(copiedText(endsInBreak, 3, OutputForm::CSharp), q("line\r\n\r\n"));
    for (int box : {0, 1, 2, 4, 5, 6, 7}) {
        SCOPED_TRACE(box);
        // Other boxes are copied as they are, whatever the form.
        EXPECT_EQ(copiedText(endsInBreak, box, OutputForm::VB), q("line\r\n\r\n"));
        EXPECT_EQ(copiedText(q("\r\nstatic extern"), box, OutputForm::CSharp),
                  q("\r\nstatic extern\r\n"));
        EXPECT_EQ(copiedText(q(""), box, OutputForm::VB), CRLF);
    }
}
