#include "core/system/qt_settings.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace tolvane {
namespace {

// Values come back unaltered through a fresh store, a hand-edited value
// with an unquoted comma is one text, and a store that cannot be written
// says which file and why.
TEST(QtSettingsStoreTest, ValuesSurviveAndAnUnwritableStoreSaysWhy) {
    QTemporaryDir base;
    const QString tricky = R"(  C:\数据, "库";x=1 #2\winapi.mdb )";
    ASSERT_TRUE(
        QtSettingsStore(base.path()).write("QMWX_varnel", "MDB_Path", "MDB_Path", tricky).ok());
    QtSettingsStore store(base.path());
    EXPECT_EQ(store.read("QMWX_varnel", "MDB_Path", "MDB_Path", "d"), tricky);
    EXPECT_EQ(store.read("QMWX_varnel", "DAO_Ver", "DAO_Ver", "d"), "d");
    store.remove("QMWX_varnel", "MDB_Path", "MDB_Path");
    EXPECT_EQ(store.read("QMWX_varnel", "MDB_Path", "MDB_Path", "d"), "d");
    QFile file(base.filePath("QMWX_varnel.ini"));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("[MDB_Path]\nMDB_Path=/a,b.mdb\n");
    file.close();
    EXPECT_EQ(store.read("QMWX_varnel", "MDB_Path", "MDB_Path", ""), "/a,b.mdb");

    QFile blocker(base.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    QtSettingsStore blocked(blocker.fileName());  // a file where the folder should be
    EXPECT_EQ(blocked.write("QMWX_varnel", "DAO_Ver", "DAO_Ver", "x").message(),
              QString("路径/文件访问错误：%1/QMWX_varnel.ini（'%1' 是文件，不是文件夹）")
                  .arg(blocker.fileName()));
    EXPECT_EQ(store.write("../x", "s", "k", "v").code(), StatusCode::BadPath);
}

}  // namespace
}  // namespace tolvane
