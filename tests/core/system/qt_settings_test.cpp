#include "core/system/qt_settings.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

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
    store.remove("QMWX_varnel", "MDB_Path", "MDB_Path");
    store.remove("QMWX_varnel", "MDB_Path", "MDB_Path");
    EXPECT_EQ(store.read("QMWX_varnel", "MDB_Path", "MDB_Path", "d"), "d");

    // A hand-edited value with an unquoted comma is still one text.
    QFile file(base.filePath("QMWX_varnel.ini"));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("[MDB_Path]\nMDB_Path=/a,b.mdb\n");
    file.close();
    EXPECT_EQ(store.read("QMWX_varnel", "MDB_Path", "MDB_Path", ""), "/a,b.mdb");
}

TEST(QtSettingsStoreTest, UnwritableStoreAndBadNamesFail) {
    QTemporaryDir base;
    QFile blocker(base.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    QtSettingsStore blocked(blocker.fileName());  // a file where the folder should be
    const Status written = blocked.write("QMWX_varnel", "DAO_Ver", "DAO_Ver", "x");
    EXPECT_EQ(written.code(), StatusCode::SettingsUnwritable);  // naming the file and the reason
    EXPECT_EQ(written.message(),
              QString("路径/文件访问错误：%1/QMWX_varnel.ini（'%1' 是文件，不是文件夹）")
                  .arg(blocker.fileName()));
    EXPECT_EQ(blocked.read("QMWX_varnel", "DAO_Ver", "DAO_Ver", "d"), "d");
    for (const QString app : {"", "../x", R"(a\b)"}) {
        EXPECT_EQ(QtSettingsStore(base.path()).read(app, "s", "k", "d"), "d");
        EXPECT_EQ(QtSettingsStore(base.path()).write(app, "s", "k", "v").code(),
                  StatusCode::BadPath);
    }
}

}  // namespace
}  // namespace tolvane
