#pragma once

// Catalogue files for tests, made from the schema in data/, and plain SQL
// on them (through a connection of the test's own, without the program's
// guard) for arranging data and checking what the program wrote.

#include "core/store/catalogue_store.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

namespace tolvane::test {

// The text of a file under data/ in the source tree.
QString dataFile(const QString& name);

// The schema as catalogues made before the 64-bit VBA column have it.
QString schemaWithoutVba64();

// A scratch folder (removed with the object) holding catalogue files.
class CatalogueDir {
public:
    // The path of a file in the folder.
    QString path(const QString& name) const;
    // Writes the schema followed by extraSql as a catalogue file, encrypted
    // unless the password is empty; returns its path.
    QString make(const QString& name, const QString& extraSql = {},
                 const QString& password = {}) const;
    // Writes a plain file from exactly this SQL (no schema of its own).
    QString makeFrom(const QString& name, const QString& sql) const;
    // Writes raw bytes as a file; returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

// The store on a catalogue file; a failure to open fails the test (null).
std::unique_ptr<CatalogueStore> openStore(const QString& path,
                                          const Connection::Options& options = {});

// Runs SQL (one or more statements) on a plain catalogue file.
void runSql(const QString& path, const QString& sql);
// The first column of every row of a query, typed as the store reads it
// (Null as an invalid QVariant).
QVariantList queryColumn(const QString& path, const QString& sql);
// The same as text, Null as "".
QStringList queryTexts(const QString& path, const QString& sql);

// Another program's connection holding the file locked (an exclusive
// transaction that has written) until release() or its end.
class LockHolder {
public:
    explicit LockHolder(const QString& path);
    ~LockHolder() { release(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    void release();

private:
    sqlite3* db_ = nullptr;
};

// Whether this process holds the file at `path` open (read from /proc).
bool heldOpen(const QString& path);

// SQL that adds `count` rows named "Name1", "Name2", ... with class i % 17 - 1.
QString numberedRows(int count);

}  // namespace tolvane::test
