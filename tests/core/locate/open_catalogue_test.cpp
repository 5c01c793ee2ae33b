#include "core/locate/open_catalogue.h"

#include "core/locate/catalogue_chooser.h"
#include "core/locate/user_copy.h"
#include "core/store/catalogue_builder.h"
#include "core/store/catalogue_store.h"
#include "core/system/qt_settings.h"
#include "support/catalogues.h"
#include "support/fakes.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <stdexcept>

namespace tolvane {
namespace {

using test::ProgramEnded;
using test::ScriptedDialogs;

const QString kAsk = "找不到数据库文件，要手动选择此文件路径吗?";
const QString kNotFound = "找不到数据库文件!";
const QString kAbsent = "<absent>";

// Program folder and current directory are fresh folders; probe and engine are real.
class OpenCatalogueTest : public ::testing::Test, protected test::FakeEnv {
protected:
    void SetUp() override {
        previousDir = QDir::currentPath();
        QDir::setCurrent(currentDir.path());
        env.programDir = programDir.path();
        fileDialogState() = {};
    }
    void TearDown() override { QDir::setCurrent(previousDir); }

    QString inProgram(const QString& name) const { return programDir.filePath(name); }
    // A catalogue whose one record is named after its path.
    static void put(const QString& path, const QString& password = {}) {
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(createCatalogue(path, password,
                                    test::dataFile("schema.sql") +
                                        "INSERT INTO winfun (name) VALUES ('" + path + "');")
                        .ok());
    }
    QString opened() const { return db ? db->first()->text(Column::Name) : QString(); }
    QString setting(const QString& entry) {
        return settings.read("QMWX_varnel", entry, entry, kAbsent);
    }
    void remember(const QString& entry, const QString& value) {
        settings.write("QMWX_varnel", entry, entry, value);
    }
    bool open() { return openCatalogue(env, "winapi.mdb", db, "varnel"); }

    QTemporaryDir programDir, currentDir;
    QString previousDir;
    std::unique_ptr<CatalogueStore> db;
};

// The first start opens the mdb folder's catalogue and records the engine
// version as settings have always held it (an earlier one stays); the
// current directory comes before the mdb folder; a stale remembered path
// finds its namesake there and stays; a malformed one is forgotten silently.
TEST_F(OpenCatalogueTest, WhereTheCatalogueIsLookedFor) {
    put(inProgram("mdb/winapi.mdb"));
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), inProgram("mdb/winapi.mdb"));
    EXPECT_EQ(setting("DAO_Ver"), "DAO.DBEngine.36");
    EXPECT_EQ(setting("MDB_Path"), kAbsent);
    remember("DAO_Ver", "DAO.DBEngine.35");
    put(currentDir.filePath("winapi.mdb"));
    ASSERT_TRUE(open());
    EXPECT_EQ(setting("DAO_Ver"), "DAO.DBEngine.35");
    EXPECT_EQ(opened(), currentDir.filePath("winapi.mdb"));
    put(inProgram("mdb/old.mdb"));
    remember("MDB_Path", R"(C:\gone\old.mdb)");
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), inProgram("mdb/old.mdb"));
    EXPECT_EQ(setting("MDB_Path"), R"(C:\gone\old.mdb)");
    remember("MDB_Path", currentDir.filePath("x*/old.mdb"));
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), currentDir.filePath("winapi.mdb"));
    EXPECT_EQ(setting("MDB_Path"), kAbsent);
    EXPECT_TRUE(dialogs.shown.empty());
}

// No or Cancel to the question ends the program; so does a cancelled chooser
// with nothing remembered and no .mdb file, or with a stale path whatever
// lies in the program folder.
TEST_F(OpenCatalogueTest, NoCatalogueFromTheUserEndsTheProgram) {
    dialogs.answers = {Answer::No, Answer::Cancel, Answer::Yes, Answer::Yes};
    dialogs.fileAnswers = {ScriptedDialogs::cancel(), ScriptedDialogs::cancel()};
    for (int i = 0; i < 3; ++i) EXPECT_THROW(open(), ProgramEnded);
    put(inProgram("stray.mdb"));
    remember("MDB_Path", "/gone/winapi.mdb");
    EXPECT_THROW(open(), ProgramEnded);
    EXPECT_EQ(dialogs.texts(), QStringList({kAsk, kAsk, kAsk, kNotFound, kAsk, kNotFound}));
    EXPECT_EQ(dialogs.shown[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(dialogs.shown[0].icon, Icon::None);
    EXPECT_EQ(dialogs.shown[3].icon, Icon::Critical);
    const FileDialogRequest& request = dialogs.fileRequests.at(0);
    EXPECT_EQ(request.mode, 0);
    EXPECT_EQ(request.initialDir, programDir.path());
    EXPECT_EQ(request.filter, "所有文件|*.*");
    EXPECT_EQ(request.title, "请选择.mdb文件的完整文件名:");
}

// After a cancelled chooser the program folder's "*.mdb" is opened, which
// fails while a .mdb file lies there: the chooser comes again, and its choice
// is remembered and opened.
TEST_F(OpenCatalogueTest, CancelledChooserWithAnMdbFileComesRoundAgain) {
    put(inProgram("stray.mdb"));
    const QString chosen = currentDir.filePath("elsewhere/mine.mdb");
    put(chosen);
    dialogs.answers = {Answer::Yes};
    dialogs.fileAnswers = {ScriptedDialogs::cancel(), ScriptedDialogs::choose(chosen)};
    ASSERT_TRUE(open());
    EXPECT_EQ(dialogs.texts(), QStringList{kAsk});
    EXPECT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(opened(), chosen);
    EXPECT_EQ(setting("MDB_Path"), chosen);
}

// One prompt per start; a wrong or cancelled password fails and leaves the
// caller's database as it was.
TEST_F(OpenCatalogueTest, PasswordIsAskedOnceAndUsed) {
    put(inProgram("mdb/winapi.mdb"), "geheim");
    dialogs.inputs = {"geheim", "wrong", ""};
    ASSERT_TRUE(open());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(open());
    EXPECT_FALSE(open());
    EXPECT_EQ(opened(), inProgram("mdb/winapi.mdb"));
    EXPECT_EQ(dialogs.prompts, QStringList({"密码:", "密码:", "密码:"}));
    EXPECT_EQ(dialogs.texts(), QStringList(2, standardMessage(StatusCode::WrongPassword)));
}

// "*" and "?" are plain characters in the names of files and folders that
// exist; only a pattern that names no file is refused. A malformed name
// fails instead of starting over for ever.
TEST_F(OpenCatalogueTest, WildcardsInExistingNamesAreNoPatternsAndMalformedNamesFail) {
    env.programDir = inProgram("what?");
    put(env.programDir + "/mdb/winapi.mdb");
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), env.programDir + "/mdb/winapi.mdb");

    const QString starred = currentDir.filePath("win*api?.mdb");
    put(starred);
    remember("MDB_Path", starred);
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), starred);
    EXPECT_TRUE(dialogs.shown.empty());

    settings.remove("QMWX_varnel", "MDB_Path", "MDB_Path");
    struct BoundedProbe : LocalFileProbe {
        Result<bool> exists(const QString& path) override {
            if (--left < 0) throw std::runtime_error("probing without end");
            return LocalFileProbe::exists(path);
        }
        int left = 20;
    } bounded;
    env.files = &bounded;
    EXPECT_FALSE(openCatalogue(env, "", db, "varnel"));
    EXPECT_EQ(dialogs.texts(), QStringList{standardMessage(StatusCode::BadPath)});
}

// An Access file is named as such, with no password asked; nothing is
// forgotten and the caller's database stays as it was.
TEST_F(OpenCatalogueTest, AccessFileIsRefusedWithAConversionNote) {
    for (const QByteArray signature : {"Standard Jet DB", "Standard ACE DB"}) {
        const QString access = currentDir.filePath("access.mdb");
        QFile file(access);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4, '\0') + signature + QByteArray(4096 - 19, '\0'));
        file.close();
        remember("MDB_Path", access);
        EXPECT_FALSE(open());
        EXPECT_FALSE(db);
        EXPECT_EQ(setting("MDB_Path"), access);
    }
    ASSERT_EQ(dialogs.shown.size(), 2u);
    for (const QString& text : dialogs.texts()) {
        EXPECT_TRUE(text.contains(currentDir.filePath("access.mdb")) &&
                    text.contains("Access/Jet") && text.contains("mdb-export"))
            << text.toStdString();
    }
    EXPECT_TRUE(dialogs.prompts.empty());
}

// Settings that cannot be written are reported once per start, and the
// catalogue found in the mdb folder or chosen by the user still opens.
TEST_F(OpenCatalogueTest, UnwritableSettingsAreShownOnceAndTheCatalogueStillOpens) {
    QFile blocker(currentDir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    QtSettingsStore blocked(blocker.fileName());  // a file where the folder should be
    env.settings = &blocked;
    const QString chosen = currentDir.filePath("chosen/mine.mdb");
    put(chosen);
    dialogs.answers = {Answer::Yes};
    dialogs.fileAnswers = {ScriptedDialogs::choose(chosen)};
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), chosen);
    put(inProgram("mdb/winapi.mdb"));
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), inProgram("mdb/winapi.mdb"));

    ASSERT_EQ(dialogs.texts().size(), 3);
    EXPECT_EQ(dialogs.texts()[1], kAsk);
    EXPECT_EQ(dialogs.texts()[0], dialogs.texts()[2]);
    EXPECT_TRUE(dialogs.texts()[0].contains(blocker.fileName() + "/QMWX_varnel.ini") &&
                dialogs.texts()[0].contains("不是文件夹"))
        << dialogs.texts()[0].toStdString();
}

// The data folders come after the program's: the user's, then each
// system one. An installed catalogue opens for reading; its user copy never
// replaces a file, and nowhere to put one is said.
TEST_F(OpenCatalogueTest, DataFoldersComeLastAndTheirCatalogueIsReadOnly) {
    QTemporaryDir home, system;
    env.userDataDir = home.filePath("data");
    env.dataDirs = {system.filePath("a"), system.filePath("b")};
    put(system.filePath("b/tolvane/winapi.mdb"));
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), system.filePath("b/tolvane/winapi.mdb"));
    EXPECT_TRUE(db->readOnly());
    EXPECT_EQ(db->add().status().code(), StatusCode::ReadOnly);
    put(env.userDataDir + "/tolvane/winapi.mdb");
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), env.userDataDir + "/tolvane/winapi.mdb");
    EXPECT_FALSE(db->readOnly());
    put(inProgram("mdb/winapi.mdb"));
    ASSERT_TRUE(open());
    EXPECT_EQ(opened(), inProgram("mdb/winapi.mdb"));

    dialogs.answers = {Answer::Yes};
    const auto exists = offerUserCopy(env, system.filePath("b/tolvane/winapi.mdb"), "varnel");
    EXPECT_EQ(exists.status().message(),
              "不能建立副本：" + env.userDataDir + "/tolvane/winapi.mdb 已经存在，未覆盖它。");
    env.userDataDir.clear();
    EXPECT_EQ(offerUserCopy(env, opened(), "varnel").status().message(),
              "不能建立副本：找不到您的数据文件夹。");
    EXPECT_EQ(setting("MDB_Path"), kAbsent);
}

TEST_F(OpenCatalogueTest, ChooserRemembersTheLastChoiceAndAlwaysOpensInTheProgramFolder) {
    dialogs.fileAnswers = {ScriptedDialogs::cancel(), ScriptedDialogs::choose(" /d/a.mdb "),
                           ScriptedDialogs::cancel()};
    chooseCatalogue(env, "varnel");
    EXPECT_EQ(setting("MDB_Path"), kAbsent);
    chooseCatalogue(env, "");  // the program's own name stands in
    EXPECT_EQ(settings.read("QMWX_tolvane", "MDB_Path", "MDB_Path", kAbsent), "/d/a.mdb");
    chooseCatalogue(env, "varnel");
    EXPECT_EQ(setting("MDB_Path"), "/d/a.mdb");
    EXPECT_EQ(dialogs.fileRequests[2].initialDir, programDir.path());
}

}  // namespace
}  // namespace tolvane
