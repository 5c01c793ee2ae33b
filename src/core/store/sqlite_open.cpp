#include "core/store/sqlite_open.h"

#include "core/store/catalogue_guard.h"
#include "core/store/catalogue_schema.h"
#include "core/store/like_function.h"
#include "core/store/sqlite_errors.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>

namespace tolvane {
namespace {

enum class FileKind { Plain, Encrypted, Damaged };

// What a file holds, judged from its first bytes and its size. A plain
// database starts with "SQLite format 3" and a zero byte. An encrypted one
// is random bytes from its very first byte, in whole pages of at least 512
// bytes, so its size is a multiple of 512. Anything else (an empty file, a
// text file, a cut-off copy) is no catalogue. A damaged file that happens to
// pass as encrypted is reported as needing a password, and with one as a
// wrong password: without the key the two cannot be told apart.
FileKind classify(QFile& file) {
    static const QByteArray plainHeader("SQLite format 3\0", 16);
    const qint64 size = file.size();
    if (file.read(plainHeader.size()) == plainHeader) return FileKind::Plain;
    if (size >= 512 && size % 512 == 0) return FileKind::Encrypted;
    return FileKind::Damaged;
}

// "*" and "?" are legal in file names here; a path holding them is taken as
// a pattern, and refused, only when no file of exactly that name exists.
bool usableName(const QString& path, const QFileInfo& info) {
    if (path.isEmpty() || ((path.contains(u'*') || path.contains(u'?')) && !info.isFile()))
        return false;
    for (const QChar c : path)
        if (c.unicode() < 0x20) return false;
    return true;
}

// Reads the schema, which fails unless the file is a database and the key
// (if any) is right; with exclusive use it also takes the lock for good.
int verify(sqlite3* db, bool exclusive, bool readOnly) {
    if (exclusive) {
        const int rc = sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) return rc;
    }
    const char* sql = exclusive && !readOnly
                          ? "BEGIN EXCLUSIVE; SELECT count(*) FROM sqlite_master; COMMIT"
                          : "SELECT count(*) FROM sqlite_master";
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

}  // namespace

std::shared_ptr<Connection> openCatalogueFile(const QString& given, bool exclusive, bool readOnly,
                                              const QString& password) {
    QString path = given;
    path.replace(u'\\', u'/');
    const QFileInfo info(path);
    if (!usableName(path, info) || info.isDir()) throw fileError(err::NotValidFileName, given);
    if (!info.exists()) throw fileError(err::CannotFindFile, given);

    // Only a regular file is read: opening a pipe would wait for a writer.
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) throw fileError(err::FileInUse, given);
    const FileKind kind = classify(file);
    file.close();
    if (kind == FileKind::Damaged) throw fileError(err::NotInDatabase, given);
    if (kind == FileKind::Encrypted && password.isEmpty()) throw Error(err::NotValidPassword);

    // Without SQLITE_OPEN_CREATE a file that vanished meanwhile is not made anew.
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                             readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, nullptr);
    auto connection = std::make_shared<Connection>(db);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db, 1);
        if (kind == FileKind::Encrypted) {
            const QByteArray key = password.toUtf8();
            rc = sqlite3_key(db, key.constData(), int(key.size()));
        }
    }
    if (rc == SQLITE_OK) rc = installJetLike(db, *connection);
    if (rc == SQLITE_OK) rc = guardCatalogue(db, *connection);
    // A lock still held after a short wait at opening is another user's
    // exclusive use; later statements wait longer for a writer to finish.
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, 200);
        rc = verify(db, exclusive, readOnly);
    }
    if (rc != SQLITE_OK) throw openError(rc, db, given, kind == FileKind::Encrypted);
    checkCatalogueSchema(*connection, given);
    connection->watchFile(info.absoluteFilePath());
    sqlite3_busy_timeout(db, 2000);
    return connection;
}

}  // namespace tolvane
