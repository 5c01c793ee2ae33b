#include "gui/qt_dialogs.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <string>

using namespace std::string_literals;

namespace tolvane {
namespace {

TEST(QtDialogsTest, FiltersAndOfferedFile) {
    EXPECT_EQ(nameFiltersFor("数据库|*.mdb; *.db|所有|*.*|孤单"),
              QStringList({"数据库 (*.mdb *.db)", "所有 (*)"}));
    EXPECT_EQ(offeredFile("  /d/a.mdb \0junk"s), "/d/a.mdb");
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

// Closes the next modal box as its window's close button would, after
// noting the texts of its buttons without their shortcut marks.
void closeNextBox(QStringList* buttonTexts = nullptr) {
    QTimer::singleShot(0, [buttonTexts] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        if (buttonTexts)
            for (const QAbstractButton* button : box->findChildren<QAbstractButton*>())
                *buttonTexts << button->text().remove(QRegularExpression(R"(\(&.\)|&)"));
        box->close();
    });
}

// The standard buttons read in Chinese whatever the system's locale.
TEST(QtDialogsTest, ClosedBoxesCountAsCancelAndSpeakChinese) {
    QtDialogs dialogs;
    QStringList question, notice;
    closeNextBox(&question);
    EXPECT_EQ(dialogs.messageBox("?", Buttons::YesNoCancel, Icon::Question), Answer::Cancel);
    EXPECT_EQ(question, QStringList({"是", "否", "取消"}));
    closeNextBox(&notice);
    dialogs.messageBox("!", Buttons::Ok, Icon::Critical);
    EXPECT_EQ(notice, QStringList{"确定"});
    closeNextBox();
    EXPECT_EQ(dialogs.inputBox("密码:"), "");
    std::string buffer = "/x/y.mdb" + std::string(20, ' ');
    const std::string before = buffer;
    closeNextBox();
    dialogs.fileDialog({0, "所有文件|*.*", "t", "", "/"}, buffer);
    EXPECT_EQ(buffer, before);
}

// The dialog shows its own folder; the last file chosen, from another
// folder, is offered in full in the file-name field; Open takes the file
// the user selects instead.
TEST(QtDialogsTest, FileDialogOpensInTheFolderOffersTheLastFileAndWritesTheChoice) {
    QTemporaryDir shown, other;
    QFile(shown.filePath("a.mdb")).open(QIODevice::WriteOnly);
    QFile(other.filePath("b.mdb")).open(QIODevice::WriteOnly);
    QString shownDir, nameField, openText;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shownDir = dialog->directory().absolutePath();
        nameField = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        QPushButton* open = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
        openText = open->text();
        dialog->selectFile(shown.filePath("a.mdb"));
        open->click();
    });
    std::string buffer = other.filePath("b.mdb").toStdString() + std::string(200, ' ');
    QtDialogs().fileDialog({0, "所有文件|*.*", "", "", shown.path()}, buffer);
    EXPECT_EQ(shownDir, shown.path());
    EXPECT_EQ(nameField, other.filePath("b.mdb"));
    EXPECT_TRUE(openText.startsWith("打开")) << openText.toStdString();
    EXPECT_EQ(buffer.substr(0, buffer.find('\0')), shown.filePath("a.mdb").toStdString());
}

}  // namespace
}  // namespace tolvane
