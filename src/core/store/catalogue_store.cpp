#include "core/store/catalogue_store.h"

#include "core/store/connection.h"
#include "core/store/sqlite_values.h"

#include <sqlite3.h>

#include <limits>

namespace tolvane {

CatalogueStore::CatalogueStore(std::unique_ptr<Connection> connection)
    : connection_(std::move(connection)) {
    const ColumnSet& columns = connection_->shape().columns;
    for (int c = 0; c < kColumnCount; ++c)
        if (columns.has(Column(c)))
            recordColumns_ +=
                (recordColumns_.isEmpty() ? "" : ", ") + QByteArray(columnName(Column(c)));
    recordColumns_ += connection_->shape().hasRowid ? ", rowid" : ", NULL";
}

CatalogueStore::~CatalogueStore() = default;

Result<std::unique_ptr<CatalogueStore>> CatalogueStore::open(const QString& path,
                                                             const QString& password,
                                                             bool readOnly) {
    return open(path, password, Connection::Options{.readOnly = readOnly});
}

Result<std::unique_ptr<CatalogueStore>> CatalogueStore::open(const QString& path,
                                                             const QString& password,
                                                             const Connection::Options& options) {
    Result<std::unique_ptr<Connection>> connection = Connection::open(path, password, options);
    if (!connection.ok()) return connection.status();
    return std::unique_ptr<CatalogueStore>(new CatalogueStore(std::move(*connection)));
}

Result<std::unique_ptr<CatalogueStore>> CatalogueStore::openReader() const {
    return open(connection_->path(), connection_->password(), true);
}

Result<std::unique_ptr<CatalogueStore>> CatalogueStore::openCopy(const QString& path) const {
    Result<std::unique_ptr<CatalogueStore>> copy = open(path, connection_->password());
    if (copy.ok()) (*copy)->readInPart(partBytes_);
    return copy;
}

bool CatalogueStore::readOnly() const {
    return sqlite3_db_readonly(connection_->handle(), "main") == 1;
}

const QString& CatalogueStore::path() const { return connection_->path(); }

const ColumnSet& CatalogueStore::columns() const { return connection_->shape().columns; }

// The record in the first row `SELECT ... FROM winfun <rest>` yields.
Result<Record> CatalogueStore::oneRecord(const QByteArray& rest,
                                         const std::function<void(sqlite3_stmt*)>& bind) {
    return inPart_.empty() ? wholeRecord(rest, bind) : recordInPart(rest, bind, inPart_);
}

// Every value read whole: the columns in the order of recordColumns_, then
// the rowid.
Result<Record> CatalogueStore::wholeRecord(const QByteArray& rest,
                                           const std::function<void(sqlite3_stmt*)>& bind) {
    Result<Connection::Use> use =
        connection_->statement("SELECT " + recordColumns_ + " FROM winfun " + rest);
    if (!use.ok()) return use.status();
    sqlite3_stmt* statement = use->get();
    bind(statement);
    const int rc = sqlite3_step(statement);
    if (rc == SQLITE_DONE) return Status(StatusCode::NoCurrentRecord);
    if (rc != SQLITE_ROW) return connection_->failure(rc);
    Record record;
    int at = 0;
    for (int c = 0; c < kColumnCount; ++c)
        if (columns().has(Column(c))) record.set(Column(c), valueAt(statement, at++));
    record.setRowid(sqlite3_column_int64(statement, at));
    return record;
}

Result<Record> CatalogueStore::record(qint64 id) {
    Result<Record> found =
        oneRecord("WHERE ID = ?", [id](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, id); });
    if (!found.ok() && found.status().code() == StatusCode::NoCurrentRecord)
        return Status(StatusCode::RecordGone);
    return found;
}

Result<Record> CatalogueStore::record(const FoundRow& row) {
    if (row.rowid == 0 || !connection_->shape().hasRowid) return record(row.id.value_or(0));
    Result<Record> found = oneRecord(
        "WHERE rowid = ?", [&row](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, row.rowid); });
    if (!found.ok() && found.status().code() == StatusCode::NoCurrentRecord)
        return Status(StatusCode::RecordGone);
    return found;
}

// With the catalogue's index on libsclass each spelling is one step through
// the index, however many rows share it; without it, one pass over the table.
Result<QStringList> CatalogueStore::dllSpellings() {
    QStringList spellings;
    const auto collect = [&](const QByteArray& sql,
                             sqlite3_value* after) -> Result<sqlite3_value*> {
        Result<Connection::Use> use = connection_->statement(sql);
        if (!use.ok()) return use.status();
        if (after) sqlite3_bind_value(use->get(), 1, after);
        int rc;
        sqlite3_value* last = nullptr;
        while ((rc = sqlite3_step(use->get())) == SQLITE_ROW) {
            sqlite3_value* value = sqlite3_column_value(use->get(), 0);
            if (sqlite3_value_type(value) == SQLITE_NULL) continue;
            spellings << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(value)),
                                           sqlite3_value_bytes(value));
            sqlite3_value_free(last);
            last = sqlite3_value_dup(value);
        }
        if (rc != SQLITE_DONE) {
            sqlite3_value_free(last);
            return connection_->failure(rc);
        }
        return last;
    };
    const QByteArray indexed = "SELECT libsclass FROM winfun INDEXED BY winfun_dll ";
    if (!connection_->statement(indexed + "WHERE libsclass > ? ORDER BY libsclass LIMIT 1").ok()) {
        Result<sqlite3_value*> all = collect("SELECT DISTINCT libsclass FROM winfun", nullptr);
        if (!all.ok()) return all.status();
        sqlite3_value_free(*all);
        return spellings;
    }
    Result<sqlite3_value*> last =
        collect(indexed + "WHERE libsclass IS NOT NULL ORDER BY libsclass LIMIT 1", nullptr);
    while (last.ok() && *last) {
        sqlite3_value* after = *last;
        last = collect(indexed + "WHERE libsclass > ? ORDER BY libsclass LIMIT 1", after);
        sqlite3_value_free(after);
    }
    if (!last.ok()) return last.status();
    return spellings;
}

Result<Record> CatalogueStore::add() {
    // The new row is read back by its rowid: a WITHOUT ROWID table takes
    // changes to its records, but no new one.
    if (!connection_->shape().hasRowid)
        return Status(StatusCode::ReadOnly,
                      QStringLiteral("不能添加记录：此目录的 winfun 表没有 rowid（WITHOUT ROWID "
                                     "表）。其中已有的记录可以修改和删除。"));
    qint64 rowid = 0;
    const Status added = connection_->write([&] {
        Status inserted = connection_->run("INSERT INTO winfun DEFAULT VALUES");
        rowid = sqlite3_last_insert_rowid(connection_->handle());
        return inserted;
    });
    if (added.code() == StatusCode::DiskFull && idsUsedUp())
        return Status(StatusCode::Constraint,
                      QStringLiteral("不能添加记录：ID 已用到最大值 9223372036854775807，"
                                     "此目录的 winfun 表（AUTOINCREMENT）不能再给出新的 ID。"));
    if (!added.ok()) return added;
    return oneRecord("WHERE rowid = ?",
                     [rowid](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, rowid); });
}

// AUTOINCREMENT gives no ID past the largest ever used, and the engine
// reports that as a full disk.
bool CatalogueStore::idsUsedUp() {
    for (const char* sql : {"SELECT max(rowid) FROM winfun",
                            "SELECT seq FROM sqlite_sequence WHERE name = 'winfun'"}) {
        Result<Connection::Use> use = connection_->statement(sql);
        if (use.ok() && sqlite3_step(use->get()) == SQLITE_ROW &&
            sqlite3_column_int64(use->get(), 0) == std::numeric_limits<qint64>::max())
            return true;
    }
    return false;
}

// The row is found by its identity when it has one, else by its ID; a row
// whose ID another row shares is not written, since the ID is what the
// user knows it by. The values `shown` holds in part are compared by their
// start and size, the others whole.
Result<Record> CatalogueStore::storedRow(const Record& shown, Stored stored) {
    if ((shown.rowid() == 0 || !connection_->shape().hasRowid) &&
        !shown.value(Column::Id).isValid())
        return Status(StatusCode::SyntaxError);
    const QVariant& id = shown.value(Column::Id);
    const bool byRowid = shown.rowid() != 0 && connection_->shape().hasRowid;
    const ColumnSet inPart = shown.partColumns();
    Result<Record> row =
        byRowid ? recordInPart(
                      "WHERE rowid = ?",
                      [&](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, shown.rowid()); }, inPart)
                : recordInPart(
                      "WHERE ID = ?", [&](sqlite3_stmt* s) { bindValue(s, 1, id); }, inPart);
    if (!row.ok())
        return row.status().code() == StatusCode::NoCurrentRecord ? Status(StatusCode::RecordGone)
                                                                  : row.status();
    Result<Connection::Use> twice =
        connection_->statement("SELECT count(*) FROM (SELECT 1 FROM winfun WHERE ID = ? LIMIT 2)");
    if (!twice.ok()) return twice.status();
    bindValue(twice->get(), 1, row->value(Column::Id));
    if (const int rc = sqlite3_step(twice->get()); rc != SQLITE_ROW)
        return connection_->failure(rc);
    if (sqlite3_column_int(twice->get(), 0) > 1) return Status(StatusCode::DuplicateId);
    if (stored == Stored::MustBeAsShown && differingColumns(*row, shown, columns()) != ColumnSet())
        return Status(StatusCode::RecordChanged);
    return row;
}

Status CatalogueStore::save(const Record& shown, const Record& edited, const ColumnSet& columns,
                            Stored stored) {
    return connection_->write([&]() -> Status {
        Result<Record> row = storedRow(shown, stored);
        if (!row.ok()) return row.status();
        // A value held in part was not edited and cannot be written; an
        // edited start goes before the rest as stored, which must still be
        // the one shown.
        ColumnSet changed = differingColumns(edited, *row, columns);
        for (int c = 0; c < kColumnCount; ++c) {
            const Column column = Column(c);
            if (edited.partBytes(column) != 0 && !edited.editedStart(column))
                changed.remove(column);
            if (changed.has(column) && edited.editedStart(column) &&
                differingColumns(*row, shown, {column}) != ColumnSet())
                return Status(StatusCode::RecordChanged);
        }
        for (int c = 0; c < kColumnCount; ++c)
            if (changed.has(Column(c)) && !this->columns().has(Column(c)))
                return Status(StatusCode::UnknownColumn,
                              QStringLiteral("此目录数据库没有 %1 列，无法保存其中的修改，"
                                             "未写入任何修改。")
                                  .arg(QLatin1String(columnName(Column(c)))));
        QByteArray assignments;
        for (int c = 0; c < kColumnCount; ++c)
            if (changed.has(Column(c))) {
                const QByteArray name = columnName(Column(c));
                assignments += (assignments.isEmpty() ? "" : ", ") + name + " = ?" +
                               (edited.editedStart(Column(c))
                                    ? " || substr(CAST(" + name + " AS BLOB), ?)"
                                    : "");
            }
        if (assignments.isEmpty()) return Status();
        const bool byRowid = row->rowid() != 0 && connection_->shape().hasRowid;
        Result<Connection::Use> use = connection_->statement(
            "UPDATE winfun SET " + assignments + (byRowid ? " WHERE rowid = ?" : " WHERE ID = ?"));
        if (!use.ok()) return use.status();
        sqlite3_stmt* statement = use->get();
        int at = 0;
        for (int c = 0; c < kColumnCount; ++c)
            if (changed.has(Column(c))) {
                bindValue(statement, ++at, edited.value(Column(c)));
                if (edited.editedStart(Column(c)))
                    sqlite3_bind_int64(statement, ++at, edited.startBytes(Column(c)) + 1);
            }
        if (byRowid)
            sqlite3_bind_int64(statement, ++at, row->rowid());
        else
            bindValue(statement, ++at, row->value(Column::Id));
        const int rc = sqlite3_step(statement);
        return rc == SQLITE_DONE ? Status() : connection_->failure(rc);
    });
}

Status CatalogueStore::remove(const Record& shown, Stored stored) {
    return connection_->write([&]() -> Status {
        Result<Record> row = storedRow(shown, stored);
        if (!row.ok()) return row.status();
        const bool byRowid = row->rowid() != 0 && connection_->shape().hasRowid;
        Result<Connection::Use> use = connection_->statement(
            byRowid ? "DELETE FROM winfun WHERE rowid = ?" : "DELETE FROM winfun WHERE ID = ?");
        if (!use.ok()) return use.status();
        if (byRowid)
            sqlite3_bind_int64(use->get(), 1, row->rowid());
        else
            bindValue(use->get(), 1, row->value(Column::Id));
        const int rc = sqlite3_step(use->get());
        return rc == SQLITE_DONE ? Status() : connection_->failure(rc);
    });
}

SearchParts CatalogueStore::search(const SearchRequest& request) {
    return SearchParts(*connection_, request);
}

Status CatalogueStore::readTogether(const std::function<Status()>& work) {
    if (Status begun = connection_->run("BEGIN"); !begun.ok()) return begun;
    Status done = work();
    const Status ended = connection_->run("COMMIT");
    return done.ok() ? ended : done;
}

void CatalogueStore::setCancelFlag(const std::atomic<bool>* flag) {
    connection_->setCancelFlag(flag);
}

void CatalogueStore::setPatience(std::function<void(std::chrono::milliseconds)> patience) {
    connection_->setPatience(std::move(patience));
}

int CatalogueStore::statementsPrepared() const { return connection_->prepared(); }

}  // namespace tolvane
