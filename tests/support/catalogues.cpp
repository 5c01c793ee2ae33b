#include "support/catalogues.h"

#include "core/store/catalogue_builder.h"
#include "core/store/error.h"
#include "core/store/sqlite_engine.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvane::test {

QString dataFile(const QString& name) {
    QFile file(QStringLiteral(TOLVANE_SOURCE_DIR "/data/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString CatalogueDir::path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

QString CatalogueDir::make(const QString& name, const QString& extraSql,
                           const QString& password) const {
    const QString file = path(name);
    createCatalogue(file, password, dataFile(QStringLiteral("schema.sql")) + '\n' + extraSql);
    return file;
}

QString schemaWithoutVba64() {
    QString schema = dataFile(QStringLiteral("schema.sql"));
    const QString column = QStringLiteral(",\n  vba64 TEXT");
    if (!schema.contains(column)) ADD_FAILURE() << "the schema's vba64 line has changed";
    return schema.remove(column);
}

QString CatalogueDir::makeFrom(const QString& name, const QString& sql) const {
    const QString file = path(name);
    createCatalogue(file, {}, sql);
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
    for (auto rs = db.openRecordset(sql); !rs->eof(); rs->moveNext())
        values << rs->field(column).toString();
    return values;
}

QString numberedRows(int count) {
    // The numbers are built from decimal digits, as the catalogue's guard
    // refuses recursive queries.
    const QString digit = QStringLiteral(
        "(SELECT 0 AS d UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT "
        "4 "
        "UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL "
        "SELECT 9)");
    QStringList tables, terms;
    qlonglong scale = 1;
    do {
        const QString name = QStringLiteral("d%1").arg(tables.size());
        tables << digit + ' ' + name;
        terms << QStringLiteral("%1.d * %2").arg(name).arg(scale);
        scale *= 10;
    } while (scale < count);
    return QStringLiteral(
               "INSERT INTO winfun (name, class) SELECT 'Name' || i, i % 17 - 1 FROM "
               "(SELECT %1 + 1 AS i FROM %2) WHERE i <= %3 ORDER BY i;")
        .arg(terms.join(QStringLiteral(" + ")), tables.join(QStringLiteral(", ")))
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
