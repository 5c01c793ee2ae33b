#pragma once

#include "core/lookup/jet_pattern.h"
#include "core/store/catalogue_schema.h"
#include "core/store/status.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include <sys/types.h>

struct sqlite3;
struct sqlite3_stmt;

namespace tolvane {

// One open catalogue file: the SQLite handle, used from one thread at a
// time, and its statements, each prepared on first use and kept for the
// connection's life. Every statement is guarded (see guardCatalogue) and
// its LIKE speaks the catalogue's pattern language.
class Connection final : public MatchInterrupt {
public:
    struct Options {
        // Read-only opening changes no file: see readOnlyUri.
        bool readOnly = false;
        // How long a statement waits for another program's lock before it
        // fails (Locked).
        std::chrono::milliseconds lockWait{5000};
    };

    // Opens a catalogue file. "\" separates folders as "/" does. Failures:
    //   NotAFileName   empty name, a wildcard "*" or "?" naming no file, a
    //                  control character, or a folder;
    //   FileMissing    no such file (no file is ever created);
    //   FileInUse      the file cannot be read, or another user holds it;
    //   NotACatalogue  damaged, empty, text; winfun missing, a view, or
    //                  without ID or name; a virtual table declared (the
    //                  message names the file and the fault);
    //   WrongPassword  the file is encrypted and the password is empty or
    //                  wrong (a plain file ignores the password).
    static Result<std::unique_ptr<Connection>> open(const QString& given, const QString& password,
                                                    Options options);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // A kept statement in use: reset, its bindings cleared, when it goes.
    class Use {
    public:
        explicit Use(sqlite3_stmt* statement) : statement_(statement) {}
        Use(Use&& other) noexcept : statement_(std::exchange(other.statement_, nullptr)) {}
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;
        Use& operator=(Use&&) = delete;
        ~Use();
        sqlite3_stmt* get() const { return statement_; }

    private:
        sqlite3_stmt* statement_;
    };
    // The statement for `sql` (fixed text with "?" or ":name" parameters),
    // prepared on its first use. One use of a statement at a time.
    Result<Use> statement(const QByteArray& sql);
    // Runs a statement that yields no rows.
    Status run(const QByteArray& sql);
    // Runs `work` in BEGIN IMMEDIATE ... COMMIT, after checking that the
    // file is still the one opened; anything failing, or a cancel raised
    // before the commit, rolls it all back.
    Status write(const std::function<Status()>& work);

    // The status of a failed SQLite call on this connection.
    Status failure(int rc) const;
    // What the guard refused during the running statement.
    void noteDenial(QString what) { denial_ = std::move(what); }

    // A flag that, once raised, stops the running statement and every later
    // one (Cancelled) until it is lowered; nothing when no one cancels.
    void setCancelFlag(const std::atomic<bool>* flag) { cancel_ = flag; }
    bool interrupted() override { return cancel_ && cancel_->load(std::memory_order_relaxed); }
    // Called now and then while a statement waits for a lock or runs long,
    // with the time since it started; a window answers its events there.
    void setPatience(std::function<void(std::chrono::milliseconds)> patience) {
        patience_ = std::move(patience);
    }
    // Waits for another program's lock (SQLite's busy handler): false once
    // the wait is over or cancelled.
    bool waitForLock(int attempt);
    // Lets the patience hook see the running statement (progress handler).
    void statementRunning();

    sqlite3* handle() const { return db_; }
    const QString& path() const { return path_; }
    // The known columns winfun has, and whether its rows have a rowid.
    const CatalogueShape& shape() const { return shape_; }
    const QString& password() const { return password_; }
    // How many statements this connection has prepared, for measuring.
    int prepared() const { return prepared_; }

private:
    Connection(sqlite3* db, QString path, QString password);
    Status checkFileUnchanged() const;
    void beginStatement();

    sqlite3* db_;
    QString path_;  // absolute
    QString password_;
    CatalogueShape shape_;
    std::optional<std::pair<dev_t, ino_t>> file_;
    std::map<QByteArray, sqlite3_stmt*> statements_;
    const std::atomic<bool>* cancel_ = nullptr;
    std::function<void(std::chrono::milliseconds)> patience_;
    std::chrono::milliseconds lockWait_{5000};
    std::chrono::steady_clock::time_point started_;  // of the running statement
    std::chrono::steady_clock::time_point waitStarted_;
    std::chrono::steady_clock::time_point lastPatience_;
    QString denial_;
    int prepared_ = 0;
};

}  // namespace tolvane
