#include "catalogue/api_dlg.h"

#include "platform/env.h"
#include "platform/error.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace tolvane {
namespace {

using test::ScriptedDialogs;

QString nulJoined(const QStringList& parts) { return parts.join(QChar(u'\0')); }

ScriptedDialogs::FileAnswer writes(const std::string& bytes) {
    return [bytes](const FileDialogRequest&, std::string& buffer) {
        buffer.replace(0, bytes.size(), bytes);
    };
}

TEST(ParentPathTest, GivesTheFolderInTheSeparatorsOfThePath) {
    EXPECT_EQ(ParentPath(R"(C:\data\winapi.mdb)"), R"(C:\data)");
    EXPECT_EQ(ParentPath("/home/u/winapi.mdb"), "/home/u");
    EXPECT_EQ(ParentPath("/home/u/"), "/home");
    EXPECT_EQ(ParentPath(R"(C:\data/sub\x.mdb)"), "C:/data/sub");
    EXPECT_EQ(ParentPath("winapi.mdb"), "");
    EXPECT_EQ(ParentPath(""), "");
}

TEST(SplitFileListTest, OneFileStaysAndGivesItsFolder) {
    QString list = "/a/b/x.txt";
    EXPECT_EQ(SplitFileList(list), "/a/b/");
    EXPECT_EQ(list, "/a/b/x.txt");
    list = nulJoined({R"(C:\a\x.txt)", "", ""});
    EXPECT_EQ(SplitFileList(list), R"(C:\a\)");
    EXPECT_EQ(list, R"(C:\a\x.txt)");
    list = "x.txt";
    EXPECT_EQ(SplitFileList(list), "");
    EXPECT_EQ(list, "x.txt");
}

TEST(SplitFileListTest, NamesBecomeFullPathsWithTheFolderSeparator) {
    QString list = nulJoined({"/a/b", "x", "y", "", ""});
    EXPECT_EQ(SplitFileList(list), "/a/b/");
    EXPECT_EQ(list, nulJoined({"/a/b/x", "/a/b/y"}));
    list = nulJoined({R"(C:\a\)", "x", "y"});
    EXPECT_EQ(SplitFileList(list), R"(C:\a\)");
    EXPECT_EQ(list, nulJoined({R"(C:\a\x)", R"(C:\a\y)"}));
    // Names with a path of their own keep it.
    list = nulJoined({"/a", "x", "/other/y", ""});
    EXPECT_EQ(SplitFileList(list), "/a/");
    EXPECT_EQ(list, nulJoined({"/a/x", "/other/y"}));
}

class ShowFileDlgTest : public ::testing::Test {
protected:
    void SetUp() override { env.dialogs = &dialogs; }
    QString show(int mode) { return ShowFileDlg(env, mode, kDefaultFilter, "t", "txt", state); }

    ScriptedDialogs dialogs;
    Env env;
    FileDialogState state;
};

TEST_F(ShowFileDlgTest, ModeZeroTrimsTheChoiceAndOpensNextInItsFolder) {
    state.DlgFile = "/old/a.txt";
    std::string offered;
    dialogs.fileAnswers.push_back([&](const FileDialogRequest& request, std::string& buffer) {
        offered = buffer;
        EXPECT_EQ(request.filter, "所有文件|*.*");
        EXPECT_EQ(request.initialDir, "/old/");  // from DlgFile while DlgDir is empty
        EXPECT_EQ(request.defaultExtension, "txt");
        ScriptedDialogs::choose("  /new/dir/b.txt  ")(request, buffer);
    });
    EXPECT_EQ(show(0), "/new/dir/b.txt");
    EXPECT_EQ(offered, "/old/a.txt" + std::string(2046, ' '));
    EXPECT_EQ(state.DlgFile, "/new/dir/b.txt");
    EXPECT_EQ(state.DlgDir, "/new/dir");
}

TEST_F(ShowFileDlgTest, CancelGivesTheLastChoiceOfTheRun) {
    dialogs.fileAnswers = {ScriptedDialogs::cancel(), ScriptedDialogs::choose("/d/f.txt"),
                           ScriptedDialogs::cancel()};
    EXPECT_EQ(show(2), "");
    EXPECT_EQ(show(2), "/d/f.txt");
    EXPECT_EQ(show(2), "/d/f.txt");
}

TEST_F(ShowFileDlgTest, ModeOneJoinsFullPaths) {
    dialogs.fileAnswers = {writes("/d\0a.txt\0b.txt\0c.txt\0\0"s), writes("/d/one.txt\0\0"s),
                           ScriptedDialogs::cancel()};
    EXPECT_EQ(show(1), nulJoined({"/d/a.txt", "/d/b.txt", "/d/c.txt"}));
    EXPECT_EQ(state.DlgFile, "/d/c.txt");
    EXPECT_EQ(state.DlgDir, "/d/");
    EXPECT_EQ(show(1), "/d/one.txt");
    EXPECT_EQ(state.DlgDir, "/d/");
    EXPECT_EQ(show(1), "");
    EXPECT_EQ(state.DlgFile, "");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ShowFileDlgTest, ModeOneReportsAChoiceTooLargeForTheBuffer) {
    dialogs.fileAnswers = {writes("\1\0\0"s)};
    EXPECT_EQ(show(1), "");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "文件选取过多。");
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
}

TEST_F(ShowFileDlgTest, UnknownModeOrFailingDialogGivesNothing) {
    EXPECT_EQ(show(3), "");
    EXPECT_TRUE(dialogs.fileRequests.empty());
    dialogs.fileAnswers = {[](const FileDialogRequest&, std::string&) { throw Error(err::FileNotFound); }};
    state.DlgFile = "/d/f.txt";
    EXPECT_EQ(show(0), "");
    EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace tolvane
