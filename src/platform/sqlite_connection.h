#pragma once

#include <QString>

#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace tolvane {

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const;
};
// A prepared statement; finalizing it stays valid after its connection closed.
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// One open catalogue file, shared by its database object and the recordsets
// opened on it. Closing it invalidates them all: every later use throws
// err::ObjectClosed, while their statements are still finalized safely.
class Connection {
public:
    explicit Connection(sqlite3* db);  // takes ownership, also of a failed open
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const { return db_ != nullptr; }
    // The handle; throws err::ObjectClosed after close().
    sqlite3* handle() const;
    void close();

    // Caller's SQL: exactly one statement without parameters. Blank text,
    // further statements (or any text SQLite cannot parse) after the first,
    // and parameters are errors.
    Statement prepare(const QString& sql);
    // SQL the engine builds itself, with "?" parameters to bind.
    Statement prepareInternal(const QByteArray& sql);
    // Runs fixed SQL such as "COMMIT".
    void exec(const char* sql);
    // Runs the work in BEGIN IMMEDIATE ... COMMIT; when anything fails the
    // transaction is rolled back and the failure passed on.
    void writeTransaction(const std::function<void()>& work);

    [[noreturn]] void fail(int rc) const;

private:
    bool holdsStatement(const char* from, const char* end) const;

    sqlite3* db_;
};

}  // namespace tolvane
