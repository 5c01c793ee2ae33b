#include "platform/local_file_probe.h"

#include "platform/error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolvane {
namespace {

class LocalFileProbeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"winapi.mdb", ".hidden.db", "a[1].mdb"}) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        QFile::setPermissions(dir.filePath("winapi.mdb"), QFileDevice::Permissions());
        QDir(dir.path()).mkpath("folder.mdb");
        QDir(dir.path()).mkpath("sub/only.dir");
    }
    bool exists(const QString& relative) { return probe.exists(dir.path() + relative); }

    QTemporaryDir dir;
    LocalFileProbe probe;
};

TEST_F(LocalFileProbeTest, FilesCountFoldersDoNot) {
    EXPECT_TRUE(exists("/winapi.mdb"));
    EXPECT_TRUE(exists(R"(\winapi.mdb)"));
    EXPECT_TRUE(exists("/sub/../winapi.mdb"));
    EXPECT_FALSE(exists("/folder.mdb"));
    EXPECT_FALSE(exists("/sub/"));
    EXPECT_FALSE(exists("/missing.mdb"));
    EXPECT_FALSE(exists("/nowhere/winapi.mdb"));
}

TEST_F(LocalFileProbeTest, WildcardsMatchHiddenFilesButNoFolders) {
    EXPECT_TRUE(exists("/*.db"));
    EXPECT_TRUE(exists("/win?pi.mdb"));
    EXPECT_FALSE(exists("/win?api.mdb"));
    EXPECT_TRUE(exists("/a[1]*"));  // brackets are plain characters
    EXPECT_FALSE(exists("/a1*"));
    EXPECT_FALSE(exists("/sub/*"));
    EXPECT_FALSE(exists("/*.MDB"));
}

TEST_F(LocalFileProbeTest, RelativePathsStartInTheCurrentDirectory) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_TRUE(probe.exists("winapi.mdb"));
    EXPECT_TRUE(probe.exists("*.mdb"));
    EXPECT_FALSE(probe.exists("sub/*"));
    QDir::setCurrent(previous);
}

TEST_F(LocalFileProbeTest, MalformedPathsAreRejected) {
    const QString longName(256, u'n');
    const QStringList malformed = {
        "", "a\tb.mdb", QString("a") + QChar(u'\0') + "b", "/x*/a.mdb", R"(x?\a.mdb)",
        "/" + longName, "/" + QString(86, u'数'), QString("/d").repeated(2048)};
    for (const QString& path : malformed) {
        try {
            probe.exists(path);
            ADD_FAILURE() << "accepted: " << path.left(40).toStdString();
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), err::BadFileName);
        }
    }
    // At the limits a path is well formed, merely absent.
    EXPECT_FALSE(exists("/" + longName.left(255)));
    EXPECT_FALSE(exists("/" + QString(85, u'数')));  // 255 bytes in UTF-8
    EXPECT_FALSE(probe.exists(QString("/d").repeated(2047)));
}

}  // namespace
}  // namespace tolvane
