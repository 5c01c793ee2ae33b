#pragma once

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

class Connection;

// The catalogue: the one place that reads and writes winfun. Every
// statement is prepared once per connection and reused with bound values;
// values typed by the user never become SQL text. A store serves one thread
// at a time; a search on another thread reads through a store of its own
// (openReader).
class CatalogueStore {
public:
    // Opens a catalogue file (see Connection::open for the failures).
    // readOnly makes every write fail (ReadOnly).
    static Result<std::unique_ptr<CatalogueStore>> open(const QString& path,
                                                        const QString& password = {},
                                                        bool readOnly = false);
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
    // The records at either end and next to an ID, in ascending ID order;
    // NoCurrentRecord when there is none. Rows whose ID is Null are left out.
    Result<Record> first();
    Result<Record> last();
    Result<Record> after(qint64 id);
    Result<Record> before(qint64 id);
    // Every DLL spelling (libsclass) the catalogue holds, once each.
    Result<QStringList> dllSpellings();

    // Appends a row with every column at its default; the new record.
    Result<Record> add();
    // Writes `columns` of `record` into the row with the record's ID, in one
    // statement: either every value or none reaches the file. RecordGone,
    // writing nothing, when no row has the ID; UnknownColumn when the
    // catalogue lacks one of the columns; SyntaxError for a record without
    // an ID.
    Status save(const Record& record, const ColumnSet& columns);
    // Deletes the rows with this ID; none is no failure.
    Status remove(qint64 id);

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

    std::unique_ptr<Connection> connection_;
    QByteArray recordColumns_;  // the select list of a whole record
};

}  // namespace tolvane
