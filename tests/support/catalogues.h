#pragma once

// Catalogue files for tests, made from the schema in data/.

#include "core/store/engine.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

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
    // A plain catalogue with extraSql, opened.
    std::unique_ptr<Database> open(const QString& extraSql = {}) const;

private:
    QTemporaryDir dir_;
};

// The error number a call fails with, 0 when it succeeds.
int failureOf(const std::function<void()>& call);

// The text of one column over every row of a query (Null as "").
QStringList columnOf(Database& db, const QString& sql,
                     const QString& column = QStringLiteral("name"));

// Whether this process holds the file at `path` open (read from /proc).
bool heldOpen(const QString& path);

// SQL that adds `count` rows named "Name1", "Name2", ... with class i % 17 - 1.
QString numberedRows(int count);

}  // namespace tolvane::test
