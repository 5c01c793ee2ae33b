#include "core/locate/file_kind.h"

#include <QFile>
#include <QFileInfo>

namespace tolvane {

namespace {

constexpr qint64 kSignatureOffset = 4;
const QByteArray kJetSignature = QByteArrayLiteral("Standard Jet DB");
const QByteArray kAceSignature = QByteArrayLiteral("Standard ACE DB");

// The conversion goes through mdbtools, which Debian packages: the table's
// schema and its rows as SQL, read into a new SQLite file.
const QString kAccessDatabase = QStringLiteral(
    "'%1' 是 Access/Jet 数据库文件，本版本不能直接打开。\n"
    "请先把它转换为 SQLite 数据库文件，例如用 mdbtools 的 mdb-schema 和 mdb-export 导出为 SQL，"
    "再用 sqlite3 导入新文件：\n"
    "mdb-schema -T winfun 原文件 sqlite > winapi.sql\n"
    "mdb-export -I sqlite 原文件 winfun >> winapi.sql\n"
    "sqlite3 新文件 < winapi.sql");

}  // namespace

bool isAccessDatabase(const QString& path) {
    // "\\" separates folders as "/" does. Opening anything but a regular
    // file (a pipe, a device) could wait for ever.
    const QString unified = QString(path).replace(u'\\', u'/');
    QFile file(unified);
    if (!QFileInfo(unified).isFile() || !file.open(QIODevice::ReadOnly)) return false;
    if (!file.seek(kSignatureOffset)) return false;
    const QByteArray signature = file.read(kJetSignature.size());
    return signature == kJetSignature || signature == kAceSignature;
}

Status accessDatabaseStatus(const QString& path) {
    if (!isAccessDatabase(path)) return {};
    return Status(StatusCode::NotACatalogue, kAccessDatabase.arg(path));
}

}  // namespace tolvane
