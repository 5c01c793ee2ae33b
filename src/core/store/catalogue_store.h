#pragma once

#include "core/store/connection.h"
#include "core/store/record.h"
#include "core/store/search_parts.h"
#include "core/store/status.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

struct sqlite3_stmt;

namespace tolvane {

// The catalogue: the one place that reads and writes winfun. Every
// statement is prepared once per connection and reused with bound values;
// values typed by the user never become SQL text. A store serves one thread
// at a time; a search on another thread reads through a store of its own
// (openReader).
class CatalogueStore {
public:
    // Opens a catalogue file (see Connection::open for the failures and the
    // options). readOnly makes every write fail (ReadOnly).
    static Result<std::unique_ptr<CatalogueStore>> open(const QString& path,
                                                        const QString& password = {},
                                                        bool readOnly = false);
    static Result<std::unique_ptr<CatalogueStore>> open(const QString& path,
                                                        const QString& password,
                                                        const Connection::Options& options);
    ~CatalogueStore();
    CatalogueStore(const CatalogueStore&) = delete;
    CatalogueStore& operator=(const CatalogueStore&) = delete;

    // A second, read-only store on the same file.
    Result<std::unique_ptr<CatalogueStore>> openReader() const;
    // A store for writing on a copy of this file at `path`, with the same
    // password.
    Result<std::unique_ptr<CatalogueStore>> openCopy(const QString& path) const;
    // Whether the store was opened for reading only.
    bool readOnly() const;

    const QString& path() const;
    // The known columns the catalogue has; a record's others read as Null.
    const ColumnSet& columns() const;

    // The record with this ID (the first such row); RecordGone when none.
    Result<Record> record(qint64 id);
    // The record a search listed: the row with its identity when it has one
    // (rows sharing an ID each show themselves), else the one with its ID.
    Result<Record> record(const FoundRow& row);
    // The records at either end and next to a record, in the order of the
    // rows' IDs as stored (numbers, then texts, then blobs) and, among rows
    // sharing an ID, of their identities: every row is reached once, each of
    // several sharing an ID too. NoCurrentRecord when there is none. Rows
    // whose ID is Null are left out; a record with a Null ID stands before
    // all others.
    Result<Record> first();
    Result<Record> last();
    Result<Record> after(const Record& from);
    Result<Record> before(const Record& from);
    // From now on, values longer than `bytes` as stored are read only in
    // part: a record holds their first `bytes` bytes (a text cut at a
    // character boundary) and their size (Record::partBytes), so that showing
    // a record never reads a huge value. 0, the default, reads values whole.
    // The ID is always read whole, and so is every value of a catalogue
    // without rowids or with UTF-16 text.
    void readInPart(qint64 bytes);
    // The whole value of a column that `shown` holds in part, read from the
    // same row; RecordChanged when its start or its size is no longer what
    // `shown` holds, RecordGone when the row is gone.
    Result<QVariant> wholeValue(const Record& shown, Column column);
    // Every DLL spelling (libsclass) the catalogue holds, once each.
    Result<QStringList> dllSpellings();

    // Appends a row with every column at its default; the new record.
    Result<Record> add();
    // What a save or a delete does when the stored row no longer holds
    // what was shown.
    enum class Stored { MustBeAsShown, MayHaveChanged };
    // Writes into the row of `shown` (found by its identity, else by its ID)
    // those of `columns` whose value in `edited` differs from the stored
    // one, in one transaction that first compares the stored row with
    // `shown` (every column the catalogue has). Either every value or none
    // reaches the file. Writing nothing: RecordGone when the row is gone,
    // RecordChanged when it differs from `shown` (unless MayHaveChanged),
    // DuplicateId when another row has the same ID, UnknownColumn (naming
    // it) when the catalogue lacks a column whose value changed (the others
    // it lacks are no failure), SyntaxError for a record with neither
    // (none was shown). A row whose ID is Null or a text is written too.
    Status save(const Record& shown, const Record& edited, const ColumnSet& columns,
                Stored stored = Stored::MustBeAsShown);
    // Deletes the row of `shown`, comparing it first as save() does.
    Status remove(const Record& shown, Stored stored = Stored::MustBeAsShown);
    // Waits and long statements call `patience` (see Connection::setPatience).
    void setPatience(std::function<void(std::chrono::milliseconds)> patience);

    // The rows of a search, part by part in ID order (see SearchParts).
    SearchParts search(const SearchRequest& request);
    // Runs `work` in one read transaction: it sees one state of the file.
    Status readTogether(const std::function<Status()>& work);
    // A raised flag stops the running statement and every later one
    // (Cancelled); see Connection::setCancelFlag.
    void setCancelFlag(const std::atomic<bool>* flag);
    // Statements prepared so far, for measuring.
    int statementsPrepared() const;

private:
    explicit CatalogueStore(std::unique_ptr<Connection> connection);
    Result<Record> oneRecord(const QByteArray& rest,
                             const std::function<void(sqlite3_stmt*)>& bind);
    // The record at one end (`from` Null) or next to `from` in ID order.
    Result<Record> step(const Record* from, bool forward);
    Result<Record> wholeRecord(const QByteArray& rest,
                               const std::function<void(sqlite3_stmt*)>& bind);
    // oneRecord reading big values of the columns `inPart` in part.
    Result<Record> recordInPart(const QByteArray& rest,
                                const std::function<void(sqlite3_stmt*)>& bind,
                                const ColumnSet& inPart);
    // Whether every ID a new row could take is used up.
    bool idsUsedUp();
    // Inside a write: the stored row of `shown`, checked against it.
    Result<Record> storedRow(const Record& shown, Stored stored);

    std::unique_ptr<Connection> connection_;
    QByteArray recordColumns_;  // the select list of a whole record
    qint64 partBytes_ = 0;      // see readInPart
    ColumnSet inPart_;          // the columns read in part, when partBytes_ is set
};

}  // namespace tolvane
