#include "support/catalogues.h"

#include "core/store/catalogue_builder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace tolvane::test {

QString dataFile(const QString& name) {
    QFile file(QStringLiteral(TOLVANE_SOURCE_DIR "/data/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString schemaWithoutVba64() {
    QString schema = dataFile(QStringLiteral("schema.sql"));
    const QString column = QStringLiteral(",\n  vba64 TEXT");
    if (!schema.contains(column)) ADD_FAILURE() << "the schema's vba64 line has changed";
    return schema.remove(column);
}

std::unique_ptr<CatalogueStore> openStore(const QString& path, const Connection::Options& options) {
    auto store = CatalogueStore::open(path, {}, options);
    EXPECT_TRUE(store.ok()) << store.status().message().toStdString();
    return store.ok() ? std::move(*store) : nullptr;
}

QString CatalogueDir::path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

QString CatalogueDir::make(const QString& name, const QString& extraSql,
                           const QString& password) const {
    const QString file = path(name);
    const Status made =
        createCatalogue(file, password, dataFile(QStringLiteral("schema.sql")) + '\n' + extraSql);
    if (!made.ok()) ADD_FAILURE() << made.message().toStdString();
    return file;
}

QString CatalogueDir::makeFrom(const QString& name, const QString& sql) const {
    const QString file = path(name);
    const Status made = createCatalogue(file, {}, sql);
    if (!made.ok()) ADD_FAILURE() << made.message().toStdString();
    return file;
}

QString CatalogueDir::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString file = path(name);
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
    return file;
}

namespace {

// Each row of every statement of `sql` on the file, to `row`.
template <class Row>
void eachRow(const QString& path, const QString& sql, Row row) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK)
        ADD_FAILURE() << "cannot open " << path.toStdString();
    const QByteArray text = sql.toUtf8();
    for (const char* rest = text.constData(); db && *rest;) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, rest, -1, &statement, &rest) != SQLITE_OK) {
            ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql.toStdString();
            break;
        }
        int rc;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) row(statement);
        if (statement && rc != SQLITE_DONE)
            ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql.toStdString();
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
}

}  // namespace

void runSql(const QString& path, const QString& sql) {
    eachRow(path, sql, [](sqlite3_stmt*) {});
}

QVariantList queryColumn(const QString& path, const QString& sql) {
    QVariantList values;
    eachRow(path, sql, [&](sqlite3_stmt* s) {
        switch (sqlite3_column_type(s, 0)) {
        case SQLITE_INTEGER: values << qlonglong{sqlite3_column_int64(s, 0)}; break;
        case SQLITE_FLOAT: values << sqlite3_column_double(s, 0); break;
        case SQLITE_NULL: values << QVariant(); break;
        default:
            values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)),
                                        sqlite3_column_bytes(s, 0));
        }
    });
    return values;
}

QStringList queryTexts(const QString& path, const QString& sql) {
    QStringList texts;
    for (const QVariant& value : queryColumn(path, sql)) texts << value.toString();
    return texts;
}

QString numberedRows(int count) {
    return QStringLiteral(
               "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
               "INSERT INTO winfun (name, class) SELECT 'Name' || i, i % 17 - 1 FROM n;")
        .arg(count);
}

LockHolder::LockHolder(const QString& path) {
    sqlite3_open(QFile::encodeName(path).constData(), &db_);
    if (sqlite3_exec(db_, "BEGIN EXCLUSIVE; UPDATE winfun SET other = 'held'", nullptr, nullptr,
                     nullptr) != SQLITE_OK)
        ADD_FAILURE() << "cannot lock " << path.toStdString();
}

void LockHolder::release() {
    if (db_) sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(std::exchange(db_, nullptr));
}

bool heldOpen(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files))
        if (QFileInfo(fds.filePath(fd)).symLinkTarget() == target) return true;
    return false;
}

}  // namespace tolvane::test
