#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace tolvane {
namespace {

TEST(QtDialogsTest, FilterPairsBecomeNameFilters) {
    EXPECT_EQ(nameFiltersFor("所有文件|*.*"), QStringList{"所有文件 (*)"});
    EXPECT_EQ(nameFiltersFor("数据库|*.mdb; *.db|文本|*.txt|孤单"),
              QStringList({"数据库 (*.mdb *.db)", "文本 (*.txt)"}));
    EXPECT_TRUE(nameFiltersFor("").isEmpty());
}

// The buffer after writing a choice into 40 blanks.
std::string written(int mode, const QStringList& paths) {
    std::string buffer(40, ' ');
    writeChosenFiles(mode, paths, buffer);
    return buffer;
}

TEST(QtDialogsTest, ChoiceIsWrittenInTheFormOfItsMode) {
    const auto startsWith = [](const std::string& text, const std::string& start) {
        return text.compare(0, start.size(), start) == 0 && text.find_last_not_of(' ') < start.size();
    };
    EXPECT_TRUE(startsWith(written(0, {"/d/a.mdb"}), "/d/a.mdb\0"s));
    EXPECT_TRUE(startsWith(written(1, {"/d/a.mdb"}), "/d/a.mdb\0\0"s));
    EXPECT_TRUE(startsWith(written(1, {"/d/a", "/d/数", "/e/c"}), "/d\0a\0数\0/e/c\0\0"s));
    EXPECT_TRUE(startsWith(written(1, {"/a", "/b"}), "/\0a\0b\0\0"s));
    EXPECT_EQ(written(2, {}), std::string(40, ' '));
}

TEST(QtDialogsTest, ChoiceTooLargeLeavesAMarkWithinTheBuffer) {
    std::string buffer = "0123456789";
    writeChosenFiles(1, {"/d/aaaa", "/d/bbbb"}, buffer);
    EXPECT_EQ(buffer, "\1\0\0"s + "3456789");
    buffer = "0123456789";
    writeChosenFiles(2, {"/d/long-name.txt"}, buffer);
    EXPECT_EQ(buffer, "\0"s + "123456789");
    buffer = "01";
    writeChosenFiles(1, {"/d/a", "/d/b"}, buffer);
    EXPECT_EQ(buffer, "\1\0"s);
}

TEST(QtDialogsTest, OfferedFileKeepsTheDialogInItsFolder) {
    EXPECT_EQ(offeredFile("  /d/a.mdb \0junk"s, "/d/"), "/d/a.mdb");
    EXPECT_EQ(offeredFile("/e/a.mdb   ", "/d"), "");
    EXPECT_EQ(offeredFile("/e/a.mdb   ", ""), "/e/a.mdb");
}

// Closes the next modal box as its window's close button would.
void closeNextBox() {
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
}

TEST(QtDialogsTest, ClosedBoxesCountAsCancel) {
    QtDialogs dialogs;
    closeNextBox();
    EXPECT_EQ(dialogs.messageBox("?", Buttons::YesNoCancel, Icon::Question), Answer::Cancel);
    closeNextBox();
    EXPECT_EQ(dialogs.messageBox("!", Buttons::Ok, Icon::Critical), Answer::Ok);
    closeNextBox();
    EXPECT_EQ(dialogs.inputBox("密码:"), "");
    std::string buffer = "/x/y.mdb" + std::string(20, ' ');
    const std::string before = buffer;
    closeNextBox();
    dialogs.fileDialog({0, "所有文件|*.*", "t", "", "/"}, buffer);
    EXPECT_EQ(buffer, before);
}

TEST(QtDialogsTest, FileDialogOpensInTheFolderAndWritesTheChoice) {
    QTemporaryDir dir;
    QFile(dir.filePath("a.mdb")).open(QIODevice::WriteOnly);
    QString shownDir;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shownDir = dialog->directory().absolutePath();
        dialog->selectFile(dir.filePath("a.mdb"));
        static_cast<QDialog*>(dialog)->accept();  // as the Open button does
    });
    std::string buffer(200, ' ');
    QtDialogs().fileDialog({0, "所有文件|*.*", "", "", dir.path()}, buffer);
    EXPECT_EQ(shownDir, dir.path());
    EXPECT_EQ(buffer.substr(0, buffer.find('\0')), dir.filePath("a.mdb").toStdString());
}

}  // namespace
}  // namespace tolvane
