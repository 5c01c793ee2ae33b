#include "core/store/sqlite_connection.h"

#include "core/store/sqlite_errors.h"

#include <sqlite3.h>

#include <QByteArray>
#include <QFile>

#include <sys/stat.h>

namespace tolvane {

void StatementFinalizer::operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }

// One engine call on the connection. The outermost call starts the clock of
// the interrupt check afresh; when it ends, a close requested meanwhile
// takes place.
class Connection::Call {
public:
    explicit Call(Connection& connection) : connection_(connection) {
        if (connection.asking_) throw Error(err::Busy);
        connection.handle();
        if (connection.calls_++ == 0) {
            connection.lastAsked_ = std::chrono::steady_clock::now();
            connection.cancelled_ = false;
            connection.denial_.clear();
        }
    }
    ~Call() {
        if (--connection_.calls_ == 0 && connection_.closing_) connection_.close();
    }
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

private:
    Connection& connection_;
};

Connection::Connection(sqlite3* db) : db_(db) {}

Connection::~Connection() { close(); }

sqlite3* Connection::handle() const {
    if (!isOpen()) throw Error(err::ObjectClosed);
    return db_;
}

void Connection::close() {
    if (calls_ > 0) {
        // Inside a running statement: stop it, and close when it returns.
        closing_ = true;
        cancelled_ = true;
        return;
    }
    // close_v2 defers the release until recordsets finalize their statements.
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
    closing_ = false;
}

bool Connection::interrupted() {
    if (cancelled_) return true;
    if (!check_ || asking_) return false;
    if (std::chrono::steady_clock::now() - lastAsked_ < kAskEvery) return false;
    asking_ = true;
    bool stop = true;  // an exception cannot pass through SQLite: it stops the statement
    try {
        stop = check_();
    } catch (...) {}
    asking_ = false;
    lastAsked_ = std::chrono::steady_clock::now();
    cancelled_ = stop || closing_;
    return cancelled_;
}

Error Connection::error(int rc) const {
    // A refused function fails as a plain error, everything else refused as
    // SQLITE_AUTH.
    const int primary = rc & 0xFF;
    if (primary == SQLITE_AUTH || (primary == SQLITE_ERROR && !denial_.isEmpty()))
        return deniedError(path_, denial_);
    return translate(rc, db_);
}

void Connection::fail(int rc) const { throw error(rc); }

Statement Connection::prepareInternal(const QByteArray& sql) {
    const Call call(*this);
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &raw, nullptr);
    Statement statement(raw);
    if (rc != SQLITE_OK) fail(rc);
    return statement;
}

Statement Connection::prepare(const QString& sql) {
    const Call call(*this);
    const QByteArray text = sql.toUtf8();
    const char* end = text.constData() + text.size();
    const char* tail = nullptr;
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &raw, &tail);
    Statement statement(raw);
    if (rc != SQLITE_OK) fail(rc);
    if (!statement) throw Error(err::InvalidSql);
    if (holdsStatement(tail, end)) throw Error(err::SqlSyntax);
    // An unbound parameter would silently read as Null.
    if (sqlite3_bind_parameter_count(raw) > 0) throw Error(err::TooFewParameters);
    return statement;
}

// Only compiling the rest tells a harmless ";" or comment from a statement.
// Compiling stops at a zero character, so text after one counts as well.
bool Connection::holdsStatement(const char* from, const char* end) const {
    while (from < end) {
        sqlite3_stmt* raw = nullptr;
        const char* next = nullptr;
        const int rc = sqlite3_prepare_v2(db_, from, int(end - from), &raw, &next);
        sqlite3_finalize(raw);
        if (rc != SQLITE_OK || raw || !next || next <= from) return true;
        from = next;
    }
    return false;
}

int Connection::step(sqlite3_stmt* statement) {
    const Call call(*this);
    return sqlite3_step(statement);
}

void Connection::exec(const char* sql) {
    const Call call(*this);
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) fail(rc);
}

void Connection::writeTransaction(const std::function<void()>& work) {
    checkFileUnchanged();
    exec("BEGIN IMMEDIATE");
    try {
        work();
        exec("COMMIT");
    } catch (...) {
        if (isOpen() && !asking_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

namespace {
std::optional<std::pair<dev_t, ino_t>> identityOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
    return std::pair(info.st_dev, info.st_ino);
}
}  // namespace

void Connection::watchFile(const QString& path) {
    path_ = path;
    file_ = identityOf(path);
}

void Connection::checkFileUnchanged() const {
    if (file_ && identityOf(path_) != file_) throw fileGoneError(path_);
}

}  // namespace tolvane
