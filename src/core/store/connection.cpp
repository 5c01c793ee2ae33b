#include "core/store/connection.h"

#include "core/store/catalogue_guard.h"
#include "core/store/catalogue_schema.h"
#include "core/store/like_function.h"
#include "core/store/sqlite_status.h"
#include "core/store/watched_files.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <thread>

#include <sys/stat.h>

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
FileKind classify(const QByteArray& header, qint64 size) {
    static const QByteArray plainHeader("SQLite format 3\0", 16);
    if (header.startsWith(plainHeader)) return FileKind::Plain;
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

// The URI that opens a file for reading without creating or changing any
// file beside it. A file in rollback-journal mode needs nothing more than
// read-only. One in WAL mode (bytes 18 and 19 of a plain file's header are
// 2) would get a -wal and a -shm file, and would write to an existing -shm:
// while no -wal file holds changes no other program is writing it, and it
// is read as an immutable file. A -wal file with changes in it must be read
// through the -shm file, which the reader then updates.
QByteArray readOnlyUri(const QString& absolutePath, const QByteArray& header) {
    QByteArray uri = "file:" + QUrl::toPercentEncoding(absolutePath, "/") + "?mode=ro";
    const bool wal = header.size() >= 20 && header[18] == 2 && header[19] == 2;
    if (wal && QFileInfo(absolutePath + QStringLiteral("-wal")).size() == 0) uri += "&immutable=1";
    return uri;
}

int onBusy(void* connection, int attempt) {
    return static_cast<Connection*>(connection)->waitForLock(attempt) ? 1 : 0;
}

std::optional<std::pair<dev_t, ino_t>> identityOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
    return std::pair(info.st_dev, info.st_ino);
}

}  // namespace

Connection::Connection(sqlite3* db, QString path, QString password)
    : db_(db), path_(std::move(path)), password_(std::move(password)) {}

Connection::~Connection() {
    for (const auto& [sql, statement] : statements_) sqlite3_finalize(statement);
    sqlite3_close_v2(db_);
}

Connection::Use::~Use() {
    if (!statement_) return;
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

Result<std::unique_ptr<Connection>> Connection::open(const QString& given, const QString& password,
                                                     Options options) {
    QString path = given;
    path.replace(u'\\', u'/');
    const QFileInfo info(path);
    if (!usableName(path, info) || info.isDir()) return fileStatus(StatusCode::NotAFileName, given);
    if (!info.exists()) return fileStatus(StatusCode::FileMissing, given);

    // Only a regular file is read: opening a pipe would wait for a writer.
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return fileStatus(StatusCode::FileInUse, given);
    const QByteArray header = file.read(100);
    const FileKind kind = classify(header, file.size());
    file.close();
    if (kind == FileKind::Damaged) return fileStatus(StatusCode::NotACatalogue, given);
    if (kind == FileKind::Encrypted && password.isEmpty()) return Status(StatusCode::WrongPassword);

    // Without SQLITE_OPEN_CREATE a file that vanished meanwhile is not made
    // anew. Each connection serves one thread at a time, so SQLite's own
    // per-call lock is left out.
    // A file this user may not write is read as read-only.
    sqlite3* db = nullptr;
    const bool readOnly = options.readOnly || !info.isWritable();
    const int flags = (readOnly ? SQLITE_OPEN_READONLY | SQLITE_OPEN_URI : SQLITE_OPEN_READWRITE) |
                      SQLITE_OPEN_NOMUTEX;
    const QByteArray name =
        readOnly ? readOnlyUri(info.absoluteFilePath(), header) : QFile::encodeName(path);
    int rc = sqlite3_open_v2(name.constData(), &db, flags, watchedFilesVfs());
    std::unique_ptr<Connection> connection(
        new Connection(db, info.absoluteFilePath(), kind == FileKind::Encrypted ? password : ""));
    connection->lockWait_ = options.lockWait;
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db, 1);
        if (kind == FileKind::Encrypted) {
            const QByteArray key = password.toUtf8();
            rc = sqlite3_key(db, key.constData(), int(key.size()));
        }
    }
    if (rc == SQLITE_OK) rc = installJetLike(db, *connection);
    if (rc == SQLITE_OK) rc = guardCatalogue(db, *connection);
    // Reading the schema fails unless the file is a database and the key is
    // right. A lock still held after the wait is another user's exclusive use.
    if (rc == SQLITE_OK) {
        sqlite3_busy_handler(db, onBusy, connection.get());
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) return openStatus(rc, db, given, kind == FileKind::Encrypted);
    Result<CatalogueShape> shape = checkCatalogueSchema(*connection, given);
    if (!shape.ok()) return shape.status();
    connection->shape_ = *shape;
    connection->file_ = identityOf(connection->path_);
    return connection;
}

void Connection::beginStatement() {
    denial_.clear();
    started_ = lastPatience_ = std::chrono::steady_clock::now();
}

// Another program's lock is waited for in short sleeps, so that a cancel
// and the patience hook are answered within a few milliseconds.
bool Connection::waitForLock(int attempt) {
    const auto now = std::chrono::steady_clock::now();
    if (attempt == 0) waitStarted_ = now;
    if (interrupted() || now - waitStarted_ >= lockWait_) return false;
    if (patience_) patience_(std::chrono::duration_cast<std::chrono::milliseconds>(now - started_));
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return !interrupted();
}

void Connection::statementRunning() {
    if (!patience_) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastPatience_ < std::chrono::milliseconds(20)) return;
    lastPatience_ = now;
    patience_(std::chrono::duration_cast<std::chrono::milliseconds>(now - started_));
}

Result<Connection::Use> Connection::statement(const QByteArray& sql) {
    beginStatement();
    auto kept = statements_.find(sql);
    if (kept == statements_.end()) {
        sqlite3_stmt* raw = nullptr;
        const int rc = sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &raw, nullptr);
        ++prepared_;
        if (rc != SQLITE_OK) {
            sqlite3_finalize(raw);
            return failure(rc);
        }
        kept = statements_.emplace(sql, raw).first;
    }
    return Use(kept->second);
}

Status Connection::run(const QByteArray& sql) {
    Result<Use> use = statement(sql);
    if (!use.ok()) return use.status();
    const int rc = sqlite3_step(use->get());
    return rc == SQLITE_DONE || rc == SQLITE_ROW ? Status() : failure(rc);
}

Status Connection::write(const std::function<Status()>& work) {
    if (Status unchanged = checkFileUnchanged(); !unchanged.ok()) return unchanged;
    // A write of a huge value spends seconds in a few steps of file work,
    // where the progress handler is not called: the file work answers too.
    const FileWatch watch([](void* c) { static_cast<Connection*>(c)->statementRunning(); }, this);
    if (Status begun = run("BEGIN IMMEDIATE"); !begun.ok()) return begun;
    Status done = work();
    // A cancel raised while the last statement ran, after its last check,
    // still rolls the write back.
    if (done.ok() && interrupted()) done = Status(StatusCode::Cancelled);
    if (done.ok()) done = run("COMMIT");
    if (!done.ok() && !sqlite3_get_autocommit(db_)) run("ROLLBACK");
    return done;
}

Status Connection::failure(int rc) const {
    // A refused function fails as a plain error, everything else refused as
    // SQLITE_AUTH.
    const int primary = rc & 0xFF;
    if (primary == SQLITE_BUSY && cancel_ && cancel_->load()) return Status(StatusCode::Cancelled);
    if (primary == SQLITE_AUTH || (primary == SQLITE_ERROR && !denial_.isEmpty()))
        return deniedStatus(path_, denial_);
    return statusOf(rc, db_);
}

// A write to a file deleted or replaced since it was opened would go where
// nobody can open it again.
Status Connection::checkFileUnchanged() const {
    if (file_ && identityOf(path_) != file_) return fileGoneStatus(path_);
    return {};
}

}  // namespace tolvane
