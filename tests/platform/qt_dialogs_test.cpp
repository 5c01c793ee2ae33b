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

TEST(QtDialogsTest, FiltersAndOfferedFile) {
    EXPECT_EQ(nameFiltersFor("数据库|*.mdb; *.db|所有|*.*|孤单"), QStringList({"数据库 (*.mdb *.db)", "所有 (*)"}));
    // An offered file outside the dialog's folder is not offered.
    EXPECT_EQ(offeredFile("  /d/a.mdb \0junk"s, "/d/"), "/d/a.mdb");
    EXPECT_EQ(offeredFile("/e/a.mdb   ", "/d"), "");
    EXPECT_EQ(offeredFile("/e/a.mdb   ", ""), "/e/a.mdb");
}

// The choice is written over the start of the buffer in the form of its mode;
// one too large leaves a mark that fits.
TEST(QtDialogsTest, ChoiceIsWrittenInTheFormOfItsMode) {
    const struct {
        int mode;
        QStringList paths;
        std::string buffer, written;
    } cases[] = {
        {0, {"/d/a.mdb"}, std::string(12, ' '), "/d/a.mdb\0   "s},
        {1, {"/d/a.mdb"}, std::string(12, ' '), "/d/a.mdb\0\0  "s},
        {1, {"/d/a", "/d/数", "/e/c"}, std::string(16, ' '), "/d\0a\0数\0/e/c\0\0 "s},
        {2, {}, "   ", "   "},
        {1, {"/d/aaaa", "/d/bbbb"}, "0123456789", "\1\0\0"s + "3456789"},
        {2, {"/d/long-name.txt"}, "0123456789", "\0"s + "123456789"},
    };
    for (auto c : cases) {
        writeChosenFiles(c.mode, c.paths, c.buffer);
        EXPECT_EQ(c.buffer, c.written) << c.mode << ' ' << c.paths.join(' ').toStdString();
    }
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
