#include "editing_fixture.h"

#include "support/catalogues.h"
#include "support/read_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace tolvane;

using test::kSaved;
using test::q;

namespace {

class RecordEditingTest : public test::EditingTest {};

}  // namespace

TEST_F(RecordEditingTest, EachChangeAsksAndOnlyYesGoesOn) {
    const struct {
        QPushButton* button;
        QString question;
        Icon icon;
        Buttons buttons;
    } operations[] = {
        {user->addButton, q("添加记录吗(修改后需保存)?"), Icon::None, Buttons::YesNoCancel},
        {user->saveButton, q("确实要更改数据库信息吗?"), Icon::Question, Buttons::YesNoCancel},
        // Enter must not delete for good.
        {user->deleteButton, q("确实要删除此条记录吗(无法恢复)?"), Icon::Critical,
         Buttons::YesNoCancelDefaultNo}};
    onView(q("Sleep"), {q("Changed")});
    const QStringList before = table();
    for (const auto& op : operations) {
        for (Answer a : {Answer::No, Answer::Cancel}) {  // closing the box answers Cancel
            click(op.button, a);
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].text, op.question);
            EXPECT_EQ(dialogs.shown[0].buttons, op.buttons);
            EXPECT_EQ(dialogs.shown[0].icon, op.icon);
        }
    }
    EXPECT_EQ(table(), before);
    EXPECT_EQ(box(0).text(), q("Changed"));
}

TEST_F(RecordEditingTest, SaveWritesEveryBoxByItsTagTheFlagsAndTheCategory) {
    const qlonglong id = idOf("Sleep");
    const QVariant cSharp = stored(id, "CSharp");
    const QStringList texts = {q("Sleep2"),
                               q("kernel32.dll"),
                               q("it's \"quoted\"'); delete from winfun; --"),
                               q("Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)\r\n' 注释"),
                               q("ms"),
                               q("Sleep 1\r\n"),
                               q("")};
    onView(q("Sleep"), texts);
    ASSERT_TRUE(user->win95Check->isChecked());
    ASSERT_TRUE(user->winntCheck->isChecked());
    user->click(user->winntCheck);     // cleared
    user->pick(user->categoryBox, 0);  // "Type类型"
    const int rows = table().size();
    click(user->saveButton);
    ASSERT_EQ(dialogs.texts(), (QStringList{q("确实要更改数据库信息吗?"), kSaved}));
    const char* columns[] = {"name",      "libsclass", "explain", "declare",
                             "parameter", "recode",    "returned"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(stored(id, columns[i]).toString(), texts[i]) << columns[i];
    EXPECT_EQ(stored(id, "win95").toString(), q("Yes"));
    EXPECT_EQ(stored(id, "winnt").toString(), q("No"));
    EXPECT_EQ(stored(id, "class").toLongLong(), -1);
    EXPECT_EQ(stored(id, "CSharp"), cSharp);
    EXPECT_EQ(table().size(), rows);

    // The C# form writes the declaration box into CSharp only.
    const QVariant declare = stored(id, "declare");
    user->click(user->formButtons[kCSharpForm]);
    user->typeInto(kDeclarationBox,
                   q("[DllImport(\"kernel32\")]\r\nstatic extern void Sleep(uint ms);"));
    user->pick(user->categoryBox, 17);
    click(user->saveButton);
    EXPECT_EQ(stored(id, "CSharp").toString(), box(3).text());
    EXPECT_EQ(stored(id, "declare"), declare);
    EXPECT_EQ(stored(id, "class").toLongLong(), 16);
}

// Also flags spelled otherwise than "Yes" and "No", or Null, until their box
// is toggled.
TEST_F(RecordEditingTest, ARecordSavedUnchangedKeepsEveryColumn) {
    sql(
        QStringLiteral("UPDATE winfun SET winnt = 'n/a' WHERE name = 'Sleep';"
                       "UPDATE winfun SET winnt = NULL WHERE name = 'CreateFile'"));
    const QStringList before = table();
    for (const QString& row : before) {
        show(row.section(QLatin1Char('|'), 1, 1));
        click(user->saveButton);
        ASSERT_EQ(lastShown(), kSaved);
    }
    EXPECT_EQ(table(), before);
    const qlonglong quirk = idOf("GetSystemMetrics");  // its win95 reads "yes"
    show(q("GetSystemMetrics"));
    user->click(user->win95Check);
    click(user->saveButton);
    EXPECT_EQ(stored(quirk, "win95").toString(), q("No"));
    show(q("Sleep"));
    user->click(user->winntCheck);
    click(user->saveButton);
    EXPECT_EQ(stored(idOf("Sleep"), "winnt").toString(), q("Yes"));
}

TEST_F(RecordEditingTest, AddShowsTheNewRecordOutsideTheListAndDeleteLeavesItOnScreen) {
    show(q("Sleep"));
    const int category = user->categoryBox->currentIndex();
    const int rows = table().size();
    click(user->addButton);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    ASSERT_EQ(table().size(), rows + 1);
    const qlonglong id = box(7).text().toLongLong();
    EXPECT_TRUE(stored(id, "ID").isValid());
    EXPECT_EQ(box(0).text(), QString());
    EXPECT_EQ(user->entries(), QStringList{q("Sleep")});

    user->typeInto(kNameBox, q("NewFunction"));
    click(user->saveButton);
    EXPECT_EQ(lastShown(), kSaved);
    EXPECT_EQ(stored(id, "name").toString(), q("NewFunction"));
    // A new row has no category: the one on view before stays and is stored.
    EXPECT_EQ(stored(id, "class").toLongLong(), category - 1);
    EXPECT_FALSE(stored(id, "win95").isValid());  // Null, its box untouched

    click(user->deleteButton);
    EXPECT_EQ(table().size(), rows);
    EXPECT_FALSE(stored(id, "ID").isValid());
    EXPECT_EQ(box(0).text(), q("NewFunction"));
    EXPECT_EQ(box(7).text(), QString::number(id));
    click(user->deleteButton);  // again: the record is told as deleted
    EXPECT_EQ(lastShown(), q("记录已被删除。"));
}


// Without a catalogue (the file is damaged) every action says so at once,
// asks nothing and shows nothing; searches say it in the status line.
TEST_F(RecordEditingTest, WithoutACatalogueEveryActionSaysSo) {
    QFile damaged(cataloguePath());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a catalogue");
    damaged.close();
    load();
    const QString none = q("没有打开的数据库。");
    for (QPushButton* button :
         {user->addButton, user->saveButton, user->deleteButton,
          user->navigationButtons[kFirstRecord], user->navigationButtons[kNextRecord]}) {
        dialogs.shown.clear();
        user->click(button);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, none);
        EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
        EXPECT_EQ(box(kIdBox).text(), q("NotSet"));
    }
    dialogs.shown.clear();
    user->search(q("Get"));
    EXPECT_EQ(user->statusLine->text(), none);
    user->statusLine->clear();
    user->click(user->fullTextButton);
    EXPECT_EQ(user->statusLine->text(), none);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RecordEditingTest, TheFormSwitchReloadsTheRecordOnViewDroppingEdits) {
    const qlonglong sleep = idOf("Sleep"), next = idOf("CreateFile");
    // No record on view: only the column changes.
    user->typeInto(kDeclarationBox, q("Declare Sub A ()"));
    user->click(user->formButtons[kCSharpForm]);
    EXPECT_EQ(user->recordPanel->form(), OutputForm::CSharp);
    EXPECT_EQ(box(kDeclarationBox).text(), q("Declare Sub A ()"));
    user->click(user->formButtons[kVbForm]);
    EXPECT_EQ(user->recordPanel->form(), OutputForm::VB);
    show("Sleep");
    user->click(user->formButtons[kCSharpForm]);
    EXPECT_EQ(box(kDeclarationBox).text(), stored(sleep, "CSharp").toString());
    user->click(user->formButtons[kVbForm]);

    // Stepped on to another record while the list still selects Sleep.
    user->click(user->navigationButtons[kNextRecord]);
    ASSERT_EQ(box(kIdBox).text(), QString::number(next));
    user->typeInto(kNameBox, q("Edited"));
    dialogs.answers.push_back(Answer::No);  // let the edit go
    user->click(user->formButtons[kCSharpForm]);
    EXPECT_EQ(box(kNameBox).text(), q("CreateFile"));
    EXPECT_EQ(box(kDeclarationBox).text(), stored(next, "CSharp").toString());
    user->click(user->formButtons[kVbForm]);
    EXPECT_EQ(box(kDeclarationBox).text(), stored(next, "declare").toString());

    // The record gone: the box shows the new form's text of the record as it
    // was read, never one form's text under the other's name.
    show("Sleep");
    const QString cSharp = stored(sleep, "CSharp").toString();
    sql(QStringLiteral("delete from winfun where ID=%1").arg(sleep));
    user->typeInto(kNameBox, q("Edited"));
    dialogs.answers.push_back(Answer::No);
    user->click(user->formButtons[kCSharpForm]);
    EXPECT_EQ(box(kDeclarationBox).text(), cSharp);
    EXPECT_EQ(box(kNameBox).text(), q("Sleep"));
    EXPECT_EQ(dialogs.shown.size(), 2u);  // only the two questions about the edits
}

// Leaving an edited record (another entry, navigation, a new search's first
// entry, another form, closing) asks once: Cancel keeps the record and the
// edits on screen, No lets them go, Yes saves them and goes on. A record
// left unedited is left without a question.
TEST_F(RecordEditingTest, LeavingAnEditedRecordAsksFirst) {
    user->search(q("File"));
    ASSERT_EQ(box(kNameBox).text(), q("CreateFile"));
    const QStringList before = table();
    user->typeInto(kExplanationBox, q("edited"));
    const std::function<void()> waysOut[] = {
        [&] { user->clickEntry(1); },
        [&] { user->click(user->navigationButtons[kNextRecord]); },
        [&] { user->click(user->formButtons[kCSharpForm]); },
        [&] { user->search(q("Sleep")); },
        [&] { form->close(); },
    };
    for (const auto& leave : waysOut) {
        dialogs.shown.clear();
        dialogs.answers.push_back(Answer::Cancel);
        leave();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, q("是否保存对 'CreateFile' 的修改？"));
        EXPECT_EQ(dialogs.shown[0].buttons, Buttons::YesNoCancel);
        EXPECT_EQ(box(kNameBox).text(), q("CreateFile"));
        EXPECT_EQ(box(kExplanationBox).text(), q("edited"));
        if (user->entries().size() > 1) {
            EXPECT_EQ(user->currentEntry(), 0);
        }
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(user->formButtons[kVbForm]->isChecked());
    EXPECT_EQ(user->currentEntry(), -1);  // the new search's entry is not on view
    EXPECT_EQ(table(), before);

    dialogs.answers.push_back(Answer::No);
    user->clickEntry(0);
    EXPECT_EQ(box(kNameBox).text(), q("Sleep"));
    EXPECT_EQ(table(), before);

    user->typeInto(kExplanationBox, q("saved"));
    dialogs.shown.clear();
    dialogs.answers.push_back(Answer::Yes);
    user->click(user->navigationButtons[kNextRecord]);
    EXPECT_EQ(dialogs.texts(), QStringList{q("是否保存对 'Sleep' 的修改？")});
    EXPECT_EQ(stored(idOf("Sleep"), "explain").toString(), q("saved"));
    EXPECT_EQ(box(kNameBox).text(), q("CreateFile"));
    user->click(user->navigationButtons[kFirstRecord]);  // unedited: no question
    user->typeInto(kNameBox, q("Renamed"));
    dialogs.answers.push_back(Answer::No);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(RecordEditingTest, CopyPutsTheCurrentBoxOnTheClipboardWithCrLfBreaks) {
    show("GetTickCount");
    user->click(user->copyButton);
    EXPECT_EQ(clipboard.text,
              q("Private Declare Function GetTickCount Lib \"kernel32\" () As Long\r\n"));
    user->click(user->formButtons[kCSharpForm]);
    user->typeInto(kDeclarationBox, q("[A]\nstatic extern void A();"));
    user->click(user->copyButton);
    EXPECT_EQ(clipboard.text, q("[A]\r\nprivate static extern void A();\r\n"));
    EXPECT_EQ(clipboard.clears, 2);
    user->focus(kNameBox);
    user->click(user->copyButton);
    EXPECT_EQ(clipboard.text, q("GetTickCount\r\n"));
    EXPECT_TRUE(dialogs.shown.empty());

    clipboard.text.reset();
    clipboard.failing = true;
    user->click(user->copyButton);
    EXPECT_FALSE(clipboard.text);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, q("无法打开剪贴板。"));
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
}


// An installed catalogue (in a system data folder) opens for reading; the
// first change offers the user's own copy, makes it and goes on there, and
// the copy is the catalogue from then on. The installed file never changes.
TEST_F(RecordEditingTest, TheFirstChangeOfAnInstalledCatalogueGoesToTheUsersOwnCopy) {
    QTemporaryDir system, home;
    QDir(system.path()).mkpath("tolvane");
    const QString installed = system.filePath("tolvane/winapi.mdb");
    const qlonglong id = idOf("Sleep");
    ASSERT_TRUE(QFile::rename(cataloguePath(), installed));
    const std::string installedBytes = test::readFile(installed.toStdString());
    env.dataDirs = {system.path()};
    env.userDataDir = home.filePath("data");
    const QString copy = home.filePath("data/tolvane/winapi.mdb");
    load();
    onView(q("Sleep"), {q("SleepInMyCopy")});

    dialogs.shown.clear();
    dialogs.answers = {Answer::Yes, Answer::No};  // change: yes; copy: no
    user->click(user->saveButton);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text,
              q("数据库文件 %1 只能读取，不能修改。\n要在 %2 建立您自己的副本并在副本中修改吗?"
                "以后将打开这个副本。")
                  .arg(installed, copy));
    EXPECT_FALSE(QFile::exists(copy));

    dialogs.shown.clear();
    dialogs.answers = {Answer::Yes, Answer::Yes};
    user->click(user->saveButton);
    EXPECT_EQ(lastShown(), kSaved);
    EXPECT_EQ(
        test::queryTexts(copy, QStringLiteral("select name from winfun where ID = %1").arg(id)),
        QStringList{q("SleepInMyCopy")});
    EXPECT_EQ(test::readFile(installed.toStdString()), installedBytes);
    EXPECT_EQ(settings.read("QMWX_varnel", "MDB_Path", "MDB_Path", {}), copy);
    // The searches read the copy too.
    user->search(q("SleepInMy"));
    EXPECT_EQ(user->entries(), QStringList{q("SleepInMyCopy")});

    // The next start opens the copy, which takes changes without asking.
    load();
    onView(q("SleepInMyCopy"), {q("SleepAgain")});
    click(user->saveButton);
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(lastShown(), kSaved);
    EXPECT_EQ(test::readFile(installed.toStdString()), installedBytes);
}
