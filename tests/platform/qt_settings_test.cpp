#include "platform/qt_settings.h"

#include "platform/error.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(QtSettingsStoreTest, ValuesSurviveAFreshStoreUnaltered) {
    QTemporaryDir base;
    const QString tricky = R"(  C:\数据, "库";x=1 #2\winapi.mdb )";
    QtSettingsStore(base.path()).write("QMWX_varnel", "MDB_Path", "MDB_Path", tricky);
    QtSettingsStore store(base.path());
    EXPECT_EQ(store.read("QMWX_varnel", "MDB_Path", "MDB_Path", "d"), tricky);
    EXPECT_EQ(store.read("QMWX_varnel", "DAO_Ver", "DAO_Ver", "d"), "d");
    EXPECT_EQ(store.read("QMWX_other", "MDB_Path", "MDB_Path", "d"), "d");
    EXPECT_TRUE(QFile::exists(base.filePath("QMWX_varnel.ini")));

    store.remove("QMWX_varnel", "MDB_Path", "MDB_Path");
    store.remove("QMWX_varnel", "MDB_Path", "MDB_Path");
    EXPECT_EQ(store.read("QMWX_varnel", "MDB_Path", "MDB_Path", "d"), "d");
}

TEST(QtSettingsStoreTest, HandEditedListReadsAsItsText) {
    QTemporaryDir base;
    QFile file(base.filePath("QMWX_varnel.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[MDB_Path]\nMDB_Path=/a,b.mdb\n");
    file.close();
    EXPECT_EQ(QtSettingsStore(base.path()).read("QMWX_varnel", "MDB_Path", "MDB_Path", ""),
              "/a,b.mdb");
}

TEST(QtSettingsStoreTest, UnwritableStoreAndBadNamesThrow) {
    QTemporaryDir base;
    QFile blocker(base.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    QtSettingsStore store(blocker.fileName());  // a file where a folder should be
    try {
        store.write("QMWX_varnel", "DAO_Ver", "DAO_Ver", "x");
        FAIL() << "write succeeded";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), err::PathFileAccess);
    }
    EXPECT_EQ(store.read("QMWX_varnel", "DAO_Ver", "DAO_Ver", "d"), "d");
    for (const QString& app : {QString(), QString("../x"), QString(R"(a\b)")}) {
        try {
            QtSettingsStore(base.path()).read(app, "s", "k", "d");
            FAIL() << app.toStdString();
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), err::BadFileName);
        }
    }
}

}  // namespace
}  // namespace tolvane
