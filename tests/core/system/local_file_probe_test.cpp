#include "core/system/local_file_probe.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tolvane {
namespace {

TEST(LocalFileProbeTest, FilesAndWildcardsCountFoldersDoNot) {
    QTemporaryDir dir;
    for (const char* name : {"winapi.mdb", ".hidden.db", "a[1].mdb"})
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    QFile::setPermissions(dir.filePath("winapi.mdb"), QFileDevice::Permissions());
    QDir(dir.path()).mkpath("folder.mdb");
    QDir(dir.path()).mkpath("sub/only.dir");
    QDir(dir.path()).mkpath("what?");
    QFile(dir.filePath("what?/winapi.mdb")).open(QIODevice::WriteOnly);
    LocalFileProbe probe;
    const std::pair<const char*, bool> cases[] = {
        {R"(\winapi.mdb)", true},
        {"/sub/../winapi.mdb", true},
        {"/folder.mdb", false},
        {"/missing.mdb", false},
        // wildcards match hidden files but no folders; brackets are plain characters
        {"/*.db", true},
        {"/win?pi.mdb", true},
        {"/win?api.mdb", false},
        {"/a[1]*", true},
        {"/a1*", false},
        {"/sub/*", false},
        // a folder whose name holds a wildcard is a plain folder
        {"/what?/winapi.mdb", true},
        {"/what?/*.mdb", true},
        {"/what?/other.mdb", false},
    };
    for (const auto& [path, exists] : cases)
        EXPECT_EQ(*probe.exists(dir.path() + path), exists) << path;

    const QString previous = QDir::currentPath();  // relative paths start in the current folder
    QDir::setCurrent(dir.path());
    EXPECT_TRUE(*probe.exists("*.mdb"));
    QDir::setCurrent(previous);
}

TEST(LocalFileProbeTest, MalformedPathsAreRejectedAndTheLimitsAreNot) {
    LocalFileProbe probe;
    const QString longName(256, u'n');
    const QStringList malformed = {"",
                                   "a\tb.mdb",
                                   QString("a") + QChar(u'\0') + "b",
                                   "/x*/a.mdb",
                                   "/" + longName,
                                   "/" + QString(86, u'数'),
                                   QString("/d").repeated(2048)};
    for (const QString& path : malformed)
        EXPECT_EQ(probe.exists(path).status().code(), StatusCode::BadPath)
            << path.left(40).toStdString();
    EXPECT_FALSE(*probe.exists("/" + longName.left(255)));
    EXPECT_FALSE(*probe.exists("/" + QString(85, u'数')));  // 255 bytes in UTF-8
    EXPECT_FALSE(*probe.exists(QString("/d").repeated(2047)));
}

}  // namespace
}  // namespace tolvane
