#include "catalogue/open_mdb.h"

#include "catalogue/api_dlg.h"
#include "platform/env.h"
#include "platform/error.h"
#include "platform/local_file_probe.h"
#include "support/fake_engine.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

namespace tolvane {
namespace {

using test::ProgramEnded;
using test::ScriptedDialogs;

const QString kAsk = "找不到数据库文件，要手动选择此文件路径吗?";
const QString kNotFound = "找不到数据库文件!";
const QString kAbsent = "<absent>";

// Program folder and current directory are fresh folders; the probe is real.
class OpenMDBTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousDir = QDir::currentPath();
        QDir::setCurrent(currentDir.path());
        env.engines = &engines;
        env.settings = &settings;
        env.files = &probe;
        env.processes = &processes;
        env.dialogs = &dialogs;
        env.programDir = programDir.path();
        env.programName = "tolvane";
        fileDialogState() = {};
    }
    void TearDown() override { QDir::setCurrent(previousDir); }

    QString inProgram(const QString& name) const { return programDir.filePath(name); }
    static void put(const QString& path, const QByteArray& content = "catalogue\n") {
        QDir().mkpath(path.left(path.lastIndexOf('/')));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) > 0);
    }
    QString setting(const QString& entry) { return settings.read("QMWX_varnel", entry, entry, kAbsent); }
    void remember(const QString& entry, const QString& value) { settings.write("QMWX_varnel", entry, entry, value); }
    bool open() { return OpenMDB(env, "winapi.mdb", db, "varnel"); }
    QString opened() const { return static_cast<test::FakeDatabase*>(db.get())->path; }
    QStringList shown() const {
        QStringList texts;
        for (const auto& box : dialogs.shown) texts << box.text;
        return texts;
    }

    QTemporaryDir programDir, currentDir;
    QString previousDir;
    test::FakeEngineFactory engines;
    test::MemorySettings settings;
    LocalFileProbe probe;
    test::FakeProcesses processes;
    ScriptedDialogs dialogs;
    Env env;
    std::unique_ptr<Database> db;
};

TEST_F(OpenMDBTest, FirstStartRegistersOnceAndOpensTheMdbFolder) {
    put(inProgram("mdb/winapi.mdb"));
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), inProgram("mdb/winapi.mdb"));
    EXPECT_EQ(processes.started,
              QStringList({R"(regsvr32 "C:\Program Files\Common Files\Microsoft Shared\DAO\DAO350.DLL" /s)",
                           R"(regsvr32 "C:\Program Files\Common Files\Microsoft Shared\DAO\DAO360.DLL" /s)"}));
    EXPECT_TRUE(processes.sleeps.empty());  // nothing started, nothing to wait for
    EXPECT_EQ(setting("DAO_Ver"), "DAO.DBEngine.36");
    EXPECT_EQ(setting("MDB_Path"), kAbsent);
    ASSERT_TRUE(open());
    EXPECT_EQ(processes.started.size(), 2);
    EXPECT_TRUE(dialogs.shown.empty());

    settings.entries.clear();
    processes.canStart = true;
    ASSERT_TRUE(open());
    EXPECT_EQ(processes.sleeps, std::vector<int>{2000});
}

TEST_F(OpenMDBTest, CurrentDirectoryComesBeforeTheMdbFolder) {
    put(currentDir.filePath("winapi.mdb"));
    put(inProgram("mdb/winapi.mdb"));
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), "winapi.mdb");
}

TEST_F(OpenMDBTest, StaleRememberedPathFindsItsNamesakeInTheMdbFolder) {
    put(inProgram("mdb/old.mdb"));
    remember("MDB_Path", R"(C:\gone\old.mdb)");
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), inProgram("mdb/old.mdb"));
    EXPECT_EQ(setting("MDB_Path"), R"(C:\gone\old.mdb)");
}

TEST_F(OpenMDBTest, MalformedRememberedPathIsForgottenSilently) {
    put(inProgram("mdb/winapi.mdb"));
    remember("MDB_Path", currentDir.filePath("x*/winapi.mdb"));
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), inProgram("mdb/winapi.mdb"));
    EXPECT_EQ(setting("MDB_Path"), kAbsent);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(OpenMDBTest, MalformedFileNameFailsInsteadOfStartingOverForever) {
    struct BoundedProbe : LocalFileProbe {
        bool exists(const QString& path) override {
            if (--left < 0) throw std::runtime_error("probing without end");
            return LocalFileProbe::exists(path);
        }
        int left = 20;
    } bounded;
    env.files = &bounded;
    EXPECT_FALSE(OpenMDB(env, "", db, "varnel"));
    EXPECT_EQ(shown(), QStringList{describeError(err::BadFileName)});
}

TEST_F(OpenMDBTest, DecliningToChooseEndsTheProgram) {
    dialogs.answers = {Answer::No, Answer::Cancel};
    EXPECT_THROW(open(), ProgramEnded);
    EXPECT_THROW(open(), ProgramEnded);
    EXPECT_EQ(shown(), QStringList({kAsk, kAsk}));
    EXPECT_EQ(dialogs.shown[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(dialogs.shown[0].icon, Icon::None);
    EXPECT_TRUE(dialogs.fileRequests.empty());
}

// With nothing remembered and no .mdb file, or with a stale path whatever
// lies in the program folder, a cancelled chooser ends the program.
TEST_F(OpenMDBTest, CancelledChooserWithNothingToFindEnds) {
    dialogs.answers = {Answer::Yes, Answer::Yes};
    dialogs.fileAnswers = {ScriptedDialogs::cancel(), ScriptedDialogs::cancel()};
    EXPECT_THROW(open(), ProgramEnded);
    put(inProgram("stray.mdb"));
    remember("MDB_Path", "/gone/winapi.mdb");
    EXPECT_THROW(open(), ProgramEnded);
    EXPECT_EQ(shown(), QStringList({kAsk, kNotFound, kAsk, kNotFound}));
    EXPECT_EQ(dialogs.shown[1].icon, Icon::Critical);
    EXPECT_TRUE(engines.opens.empty());
    const FileDialogRequest& request = dialogs.fileRequests.at(0);
    EXPECT_EQ(request.mode, 0);
    EXPECT_EQ(request.initialDir, programDir.path());
    EXPECT_EQ(request.filter, "所有文件|*.*");
    EXPECT_EQ(request.title, "请选择.mdb文件的完整文件名:");
}

TEST_F(OpenMDBTest, CancelledChooserWithAnMdbFileComesRoundAgain) {
    put(inProgram("stray.mdb"));
    dialogs.answers = {Answer::Yes, Answer::No};
    dialogs.fileAnswers = {ScriptedDialogs::cancel(), ScriptedDialogs::cancel()};
    EXPECT_THROW(open(), ProgramEnded);
    EXPECT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(shown(), QStringList({kAsk, kAsk}));
    ASSERT_EQ(engines.opens.size(), 1u);
    EXPECT_EQ(engines.opens[0].path, inProgram("*.mdb"));
}

TEST_F(OpenMDBTest, ChosenFileIsRememberedAndOpened) {
    const QString chosen = currentDir.filePath("elsewhere/mine.mdb");
    put(chosen);
    dialogs.answers = {Answer::Yes};
    dialogs.fileAnswers = {ScriptedDialogs::choose(chosen)};
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), chosen);
    EXPECT_EQ(setting("MDB_Path"), chosen);
}

// One prompt per start; a wrong or cancelled password fails and leaves the
// caller's database as it was.
TEST_F(OpenMDBTest, PasswordIsAskedOnceAndUsed) {
    put(inProgram("mdb/winapi.mdb"), "PASSWORD=geheim\n");
    dialogs.inputs = {"geheim", "wrong", ""};
    ASSERT_TRUE(open());
    EXPECT_TRUE(dialogs.shown.empty());
    const auto& reopen = engines.opens.back();
    EXPECT_TRUE(reopen.fourArguments && !reopen.exclusive && !reopen.readOnly);
    EXPECT_EQ(reopen.connect, ";PWD=geheim");
    EXPECT_FALSE(open());
    EXPECT_FALSE(open());
    EXPECT_EQ(opened(), inProgram("mdb/winapi.mdb"));
    EXPECT_EQ(dialogs.prompts, QStringList({"密码:", "密码:", "密码:"}));
    EXPECT_EQ(shown(), QStringList(2, describeError(err::NotValidPassword)));
}

TEST_F(OpenMDBTest, StoredVersionThatCannotBeCreatedIsReplacedAtTheNextStart) {
    put(inProgram("mdb/winapi.mdb"));
    remember("DAO_Ver", "DAO.DBEngine.36");
    engines.uncreatable = {"DAO.DBEngine.36"};
    EXPECT_FALSE(open());
    EXPECT_FALSE(db);
    EXPECT_EQ(shown(), QStringList{describeError(err::CannotCreateObject)});
    EXPECT_EQ(setting("DAO_Ver"), kAbsent);
    ASSERT_TRUE(open());
    EXPECT_EQ(setting("DAO_Ver"), "DAO.DBEngine.35");
}

TEST_F(OpenMDBTest, EngineOrFileFailuresAreShownOnce) {
    engines.uncreatable = {"DAO.DBEngine.36", "DAO.DBEngine.35"};
    EXPECT_FALSE(open());
    EXPECT_EQ(setting("DAO_Ver"), kAbsent);
    engines.uncreatable.clear();
    put(inProgram("mdb/winapi.mdb"), "DAMAGED\n");
    EXPECT_FALSE(open());
    EXPECT_EQ(shown(), QStringList({"无法创建DAO对象!", describeError(err::NotInDatabase)}));
}

TEST_F(OpenMDBTest, ChooserRemembersTheLastChoiceAndAlwaysOpensInTheProgramFolder) {
    dialogs.fileAnswers = {ScriptedDialogs::cancel(), ScriptedDialogs::choose(" /d/a.mdb "),
                           ScriptedDialogs::cancel()};
    SelectMDB(env, "varnel");
    EXPECT_EQ(setting("MDB_Path"), kAbsent);
    SelectMDB(env, "");  // the program's own name stands in
    EXPECT_EQ(settings.read("QMWX_tolvane", "MDB_Path", "MDB_Path", kAbsent), "/d/a.mdb");
    SelectMDB(env, "varnel");
    EXPECT_EQ(setting("MDB_Path"), "/d/a.mdb");
    EXPECT_EQ(dialogs.fileRequests[2].initialDir, programDir.path());
}

}  // namespace
}  // namespace tolvane
