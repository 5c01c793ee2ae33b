#include "support/catalogues.h"

#include "platform/catalogue_builder.h"
#include "platform/error.h"
#include "platform/sqlite_engine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvane::test {

QString dataFile(const QString& name) {
    QFile file(QStringLiteral(TOLVANE_SOURCE_DIR "/data/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString CatalogueDir::path(const QString& name) const {
    return QDir(dir_.path()).filePath(name);
}

QString CatalogueDir::make(const QString& name, const QString& extraSql,
                           const QString& password) const {
    const QString file = path(name);
    createCatalogue(file, password, dataFile(QStringLiteral("schema.sql")) + '\n' + extraSql);
    return file;
}

QString CatalogueDir::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString file = path(name);
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
    return file;
}

std::unique_ptr<Database> CatalogueDir::open(const QString& extraSql) const {
    return SqliteEngine().openDatabase(make(QStringLiteral("winapi.mdb"), extraSql));
}

int failureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}

QStringList columnOf(Database& db, const QString& sql, const QString& column) {
    QStringList values;
    for (auto rs = db.openRecordset(sql); !rs->eof(); rs->moveNext()) values << rs->field(column).toString();
    return values;
}

QString numberedRows(int count) {
    return QStringLiteral(
               "INSERT INTO winfun (name, class) WITH RECURSIVE n(i) AS "
               "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
               "SELECT 'Name' || i, i % 17 - 1 FROM n;")
        .arg(count);
}

bool heldOpen(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files))
        if (QFileInfo(fds.filePath(fd)).symLinkTarget() == target) return true;
    return false;
}

}  // namespace tolvane::test
