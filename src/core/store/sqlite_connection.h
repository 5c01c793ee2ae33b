#pragma once

#include "core/lookup/jet_like.h"

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include <sys/types.h>

struct sqlite3;
struct sqlite3_stmt;

namespace tolvane {

class Error;

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const;
};
// A prepared statement; finalizing it stays valid after its connection closed.
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// One open catalogue file, shared by its database object and the recordsets
// opened on it. Closing it invalidates them all: every later use throws
// err::ObjectClosed, while their statements are still finalized safely.
//
// While a statement runs, the interrupt check (if set) is asked about every
// kAskEvery of work, from SQLite's progress handler and from long pattern
// matches. It may run window input, but must not use this connection: every
// engine call made from inside it throws err::Busy, and closing the
// connection from inside it cancels the running statement and closes the
// connection when that statement has returned. A statement the check
// cancels fails with err::Cancelled.
class Connection final : public MatchInterrupt {
public:
    using InterruptCheck = std::function<bool()>;
    static constexpr std::chrono::milliseconds kAskEvery{20};

    explicit Connection(sqlite3* db);  // takes ownership, also of a failed open
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const { return db_ != nullptr && !closing_; }
    // The handle; throws err::ObjectClosed after close().
    sqlite3* handle() const;
    void close();

    // Caller's SQL: exactly one statement without parameters. Blank text,
    // further statements (or any text SQLite cannot parse) after the first,
    // and parameters are errors.
    Statement prepare(const QString& sql);
    // SQL the engine builds itself, with "?" parameters to bind.
    Statement prepareInternal(const QByteArray& sql);
    // Steps a statement of this connection; returns SQLite's result code.
    int step(sqlite3_stmt* statement);
    // Runs fixed SQL such as "COMMIT".
    void exec(const char* sql);
    // Runs the work in BEGIN IMMEDIATE ... COMMIT; when anything fails the
    // transaction is rolled back and the failure passed on. Checks first
    // that the file is still the one opened.
    void writeTransaction(const std::function<void()>& work);

    void setInterruptCheck(InterruptCheck check) { check_ = std::move(check); }
    // Asks the check when it is due; true once it asked to stop (for the
    // rest of the running statement).
    bool interrupted() override;

    // Remembers which file the path names now (device and inode).
    void watchFile(const QString& path);
    // Throws fileGoneError when the path no longer names the file that was
    // opened (deleted, or replaced by another file): a write would go to a
    // file nobody can open again.
    void checkFileUnchanged() const;

    // What the authorizer refused during the last call, for the error it causes.
    void noteDenial(QString what) { denial_ = std::move(what); }

    // The error of a failed call, with what this connection knows about it.
    Error error(int rc) const;
    [[noreturn]] void fail(int rc) const;

private:
    class Call;
    bool holdsStatement(const char* from, const char* end) const;

    sqlite3* db_;
    InterruptCheck check_;
    std::chrono::steady_clock::time_point lastAsked_;
    int calls_ = 0;           // engine calls in progress (nested through the LIKE function)
    bool asking_ = false;     // the interrupt check is running
    bool cancelled_ = false;  // the running statement is to stop
    bool closing_ = false;    // closed while a call was in progress
    QString path_;
    std::optional<std::pair<dev_t, ino_t>> file_;
    QString denial_;
};

}  // namespace tolvane
