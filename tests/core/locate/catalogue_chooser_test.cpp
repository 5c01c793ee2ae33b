#include "core/locate/catalogue_chooser.h"

#include "core/system/env.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace tolvane {
namespace {

using test::ScriptedDialogs;

QString nulJoined(const QStringList& parts) { return parts.join(QChar(u'\0')); }

TEST(ParentPathTest, GivesTheFolderInTheSeparatorsOfThePath) {
    const std::pair<QString, QString> cases[] = {{R"(C:\data\winapi.mdb)", R"(C:\data)"},
                                                 {"/home/u/winapi.mdb", "/home/u"},
                                                 {"/home/u/", "/home"},
                                                 {R"(C:\data/sub\x.mdb)", "C:/data/sub"},
                                                 {"winapi.mdb", ""},
                                                 {"", ""}};
    for (const auto& [path, parent] : cases)
        EXPECT_EQ(parentPath(path), parent) << path.toStdString();
}

// The list becomes full paths joined by NUL; the result is the folder.
TEST(SplitFileListTest, NamesBecomeFullPathsAndOneFileStays) {
    const struct {
        QStringList list;
        QString folder;
        QStringList paths;
    } cases[] = {
        {{"/a/b/x.txt"}, "/a/b/", {"/a/b/x.txt"}},
        {{R"(C:\a\x.txt)", "", ""}, R"(C:\a\)", {R"(C:\a\x.txt)"}},
        {{"x.txt"}, "", {"x.txt"}},
        {{"/a/b", "x", "y", "", ""}, "/a/b/", {"/a/b/x", "/a/b/y"}},
        {{R"(C:\a\)", "x", "y"}, R"(C:\a\)", {R"(C:\a\x)", R"(C:\a\y)"}},
        {{"/a", "x", "/other/y", ""}, "/a/", {"/a/x", "/other/y"}},  // a name with a path keeps it
    };
    for (const auto& c : cases) {
        QString list = nulJoined(c.list);
        EXPECT_EQ(splitFileList(list), c.folder) << c.list.join('|').toStdString();
        EXPECT_EQ(list, nulJoined(c.paths)) << c.list.join('|').toStdString();
    }
}

class ShowFileDialogTest : public ::testing::Test, protected test::FakeEnv {
protected:
    QString show(int mode) { return showFileDialog(env, mode, kDefaultFilter, "t", "txt", state); }
    static ScriptedDialogs::FileAnswer writes(const std::string& bytes) {
        return [bytes](const FileDialogRequest&, std::string& buffer) {
            buffer.replace(0, bytes.size(), bytes);
        };
    }

    FileDialogState state;
};

TEST_F(ShowFileDialogTest, ModesZeroAndTwoGiveTheTrimmedChoiceOrTheLastOneOnCancel) {
    state.dialogFile = "/old/a.txt";
    std::string offered;
    dialogs.fileAnswers = {
        [&](const FileDialogRequest& request, std::string& buffer) {
            offered = buffer;
            EXPECT_EQ(request.filter, "所有文件|*.*");
            EXPECT_EQ(request.initialDir, "/old/");  // from dialogFile while dialogFolder is empty
            EXPECT_EQ(request.defaultExtension, "txt");
            ScriptedDialogs::choose("  /new/dir/b.txt  ")(request, buffer);
        },
        ScriptedDialogs::cancel(), ScriptedDialogs::choose("/d/f.txt"), ScriptedDialogs::cancel()};
    EXPECT_EQ(show(0), "/new/dir/b.txt");
    EXPECT_EQ(offered, "/old/a.txt" + std::string(2046, ' '));
    EXPECT_EQ(state.dialogFile, "/new/dir/b.txt");
    EXPECT_EQ(state.dialogFolder, "/new/dir");
    state = {};
    EXPECT_EQ(show(2), "");
    EXPECT_EQ(show(2), "/d/f.txt");
    EXPECT_EQ(show(2), "/d/f.txt");
}

TEST_F(ShowFileDialogTest, ModeOneJoinsFullPathsAndReportsTooManyFiles) {
    dialogs.fileAnswers = {writes("/d\0a.txt\0b.txt\0c.txt\0\0"s), writes("/d/one.txt\0\0"s),
                           ScriptedDialogs::cancel(), writes("\1\0\0"s)};
    EXPECT_EQ(show(1), nulJoined({"/d/a.txt", "/d/b.txt", "/d/c.txt"}));
    EXPECT_EQ(state.dialogFile, "/d/c.txt");
    EXPECT_EQ(state.dialogFolder, "/d/");
    EXPECT_EQ(show(1), "/d/one.txt");
    EXPECT_EQ(state.dialogFolder, "/d/");
    EXPECT_EQ(show(1), "");
    EXPECT_EQ(state.dialogFile, "");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(show(1), "");  // a choice too large for the buffer
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "文件选取过多。");
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
}

TEST_F(ShowFileDialogTest, UnknownModeGivesNothing) {
    EXPECT_EQ(show(3), "");
    EXPECT_TRUE(dialogs.fileRequests.empty());
}

}  // namespace
}  // namespace tolvane
