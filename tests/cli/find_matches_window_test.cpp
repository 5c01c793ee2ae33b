// tolvane-find against the window on the same catalogue: the same records
// in the same order for the same pattern and filters, and each declaration
// exactly as the window's copy button gives it.
#include "gui/detail_fields.h"
#include "support/find_run.h"
#include "support/window_fixture.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

class FindMatchesWindowTest : public WindowTest {
protected:
    FindRun find(const QStringList& arguments) {
        return runFind(arguments + QStringList{"--limit", "0", "--catalogue", cataloguePath()});
    }
    QStringList names(const QStringList& arguments) {
        const FindRun run = find(arguments + QStringList{"--names"});
        EXPECT_EQ(run.status, run.out.isEmpty() ? 1 : 0) << run.err.constData();
        QStringList lines = QString::fromUtf8(run.out).split(u'\n');
        EXPECT_EQ(lines.takeLast(), QString());  // every name ends its line
        return lines;
    }
};

}  // namespace

TEST_F(FindMatchesWindowTest, ListsWhatTheWindowListsInItsOrder) {
    // Records whose IDs are not in the order they were added, and an
    // apostrophe that the statement must keep inside its literal.
    sql("INSERT INTO winfun (ID, name, class, libsclass) VALUES (900, 'GetFarText', 3, 'user32'),"
        " (700, 'O''GetNear', 1, 'kernel32')");
    sql("UPDATE winfun SET ID = 800 WHERE name = 'GetTickCount'");
    WindowUser& u = load();
    const struct {
        const char* pattern;
        int category;
        int dll;
        bool fullText;
        QStringList arguments;
    } cases[] = {
        {"Get", 2, 0, false, {}},
        {"get*t[e]xt", 2, 0, false, {}},
        {"'get", 2, 0, false, {}},
        {"*", 1, 0, false, {"--category", "Const常数"}},  // the constants
        {"Get", 5, 5, false, {"--category", "5", "--dll", "KERNEL32"}},
        {"*", 0, 0, false, {"--category", "Type类型"}},
        {"*", 2, 10, false, {"--dll", "user32"}},
        {"es", 2, 0, true, {"--full-text"}},
        {"文件", 2, 0, true, {"--full-text"}},
    };
    for (const auto& c : cases) {
        u.pick(u.categoryFilter, c.category);
        u.pick(u.dllFilter, c.dll);
        if (c.fullText) {
            u.typePattern(c.pattern);
            u.click(u.fullTextButton);
            u.waitUntilIdle();
        } else {
            u.search(c.pattern);
        }
        ASSERT_FALSE(u.entries().isEmpty()) << c.pattern;
        EXPECT_EQ(names(c.arguments + QStringList{"--window-order", c.pattern}), u.entries())
            << c.pattern;
    }
    // By default the names the pattern matches whole come first, then those
    // it begins, then the rest, each group in the window's order.
    EXPECT_EQ(names({"get*t[e]xt"}), (QStringList{"GetWindowText", "GetFarText",
                                                  "GetTextExtentPoint32", "ImmGetContext"}));
}

TEST_F(FindMatchesWindowTest, PrintsEachRecordAsTheWindowsCopyGivesIt) {
    WindowUser& u = load();
    const struct {
        int formButton;
        const char* form;
    } forms[] = {{0, "vb"}, {1, "cs"}};
    for (const auto& f : forms) {
        u.click(u.formButtons[f.formButton]);
        u.search("File");  // one-line VB, two-line C#, a Null C# form (LZOpenFile)
        QStringList copies;
        for (int row = 0; row < u.entries().size(); ++row) {
            u.clickEntry(row);
            u.focus(kDeclarationBox);
            u.click(u.copyButton);
            // A record without the form is a note on standard error instead.
            if (u.entries()[row] != "LZOpenFile" || f.formButton == 0)
                copies << clipboard.text.value_or("(nothing)");
        }
        ASSERT_GE(copies.size(), 3);
        const QString copied = copies.join("\r\n");  // a blank line between records

        const FindRun crlf = find({"--window-order", "--crlf", "--form", f.form, "File"});
        EXPECT_EQ(crlf.status, 0);
        EXPECT_EQ(crlf.out, copied.toUtf8()) << f.form;
        EXPECT_EQ(crlf.err, f.formButton == 0 ? QByteArray()
                                              : "tolvane-find: LZOpenFile has no cs declaration "
                                                "in this catalogue\n");
        EXPECT_EQ(find({"--window-order", "--form", f.form, "File"}).out,
                  QString(copied).replace("\r\n", "\n").toUtf8())
            << f.form;
    }
}
