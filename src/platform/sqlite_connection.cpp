#include "platform/sqlite_connection.h"

#include "platform/sqlite_errors.h"

#include <sqlite3.h>

#include <QByteArray>

namespace tolvane {

void StatementFinalizer::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

Connection::Connection(sqlite3* db) : db_(db) {}

Connection::~Connection() {
    close();
}

sqlite3* Connection::handle() const {
    if (!db_) throw Error(err::ObjectClosed);
    return db_;
}

void Connection::close() {
    // close_v2 defers the release until recordsets finalize their statements.
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

void Connection::fail(int rc) const {
    throw translate(rc, db_);
}

Statement Connection::prepareInternal(const QByteArray& sql) {
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(handle(), sql.constData(), int(sql.size()), &raw, nullptr);
    Statement statement(raw);
    if (rc != SQLITE_OK) fail(rc);
    return statement;
}

Statement Connection::prepare(const QString& sql) {
    const QByteArray text = sql.toUtf8();
    const char* end = text.constData() + text.size();
    const char* tail = nullptr;
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(handle(), text.constData(), int(text.size()), &raw, &tail);
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

void Connection::exec(const char* sql) {
    const int rc = sqlite3_exec(handle(), sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) fail(rc);
}

void Connection::writeTransaction(const std::function<void()>& work) {
    exec("BEGIN IMMEDIATE");
    try {
        work();
        exec("COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

}  // namespace tolvane
