// Reading big values in part: a record's text or blob longer than the bound
// is read through SQLite's incremental blob handle, which learns a value's
// size from the row's header and reads only the bytes asked for. A SELECT
// of such a column would load the whole value.
#include "core/store/catalogue_store.h"
#include "core/store/sqlite_values.h"

#include <sqlite3.h>

namespace tolvane {
namespace {

// The length of the longest start of `bytes` that ends at a UTF-8
// character boundary.
qsizetype wholeCharacters(const QByteArray& bytes) {
    qsizetype lead = bytes.size();
    while (lead > 0 && bytes.size() - lead < 4 && (uchar(bytes[lead - 1]) & 0xC0) == 0x80) --lead;
    if (lead == 0) return bytes.size();
    const uchar first = uchar(bytes[lead - 1]);
    const qsizetype length = first < 0xC0 ? 1 : first < 0xE0 ? 2 : first < 0xF0 ? 3 : 4;
    return bytes.size() - (lead - 1) < length ? lead - 1 : bytes.size();
}

// The start and size of one value of the row, read in part when it is a
// text or blob longer than `bound`; nothing when it is to be read whole.
struct Part {
    QVariant start;
    qint64 startBytes, bytes;
};
std::optional<Part> readPart(sqlite3* db, Column column, qint64 rowid, bool text, qint64 bound) {
    sqlite3_blob* blob = nullptr;
    std::optional<Part> part;
    if (sqlite3_blob_open(db, "main", "winfun", columnName(column), rowid, 0, &blob) == SQLITE_OK &&
        sqlite3_blob_bytes(blob) > bound) {
        QByteArray start(bound, Qt::Uninitialized);
        if (sqlite3_blob_read(blob, start.data(), int(bound), 0) == SQLITE_OK) {
            const qint64 bytes = sqlite3_blob_bytes(blob);
            // A blob's start is cut there too: the window shows and edits
            // it as text.
            const qsizetype startBytes = wholeCharacters(start);
            part = text ? Part{QString::fromUtf8(start.constData(), startBytes), startBytes, bytes}
                        : Part{start.left(startBytes), startBytes, bytes};
        }
    }
    sqlite3_blob_close(blob);
    return part;
}

}  // namespace

void CatalogueStore::readInPart(qint64 bytes) {
    partBytes_ = std::min<qint64>(bytes, 1 << 30);
    inPart_ = {};
    if (partBytes_ <= 0 || !connection_->shape().hasRowid) return;
    // A blob handle reads the stored bytes, which are UTF-8 only when the
    // file's text is.
    Result<Connection::Use> probe = connection_->statement("SELECT hex(CAST('A' AS BLOB))");
    if (!probe.ok() || sqlite3_step(probe->get()) != SQLITE_ROW ||
        valueAt(probe->get(), 0) != QVariant(QStringLiteral("41")))
        return;
    inPart_ = columns();
    inPart_.remove(Column::Id);
}

// The row is located first; its big values are read through blob handles
// and the rest with one SELECT by rowid, all while the locating statement
// holds the file's state.
Result<Record> CatalogueStore::recordInPart(const QByteArray& rest,
                                            const std::function<void(sqlite3_stmt*)>& bind,
                                            const ColumnSet& inPart) {
    if (inPart.empty() || partBytes_ <= 0 || !connection_->shape().hasRowid)
        return wholeRecord(rest, bind);
    QByteArray types;
    for (int c = 0; c < kColumnCount; ++c)
        if (inPart.has(Column(c))) types += ", typeof(" + QByteArray(columnName(Column(c))) + ")";
    Result<Connection::Use> locate =
        connection_->statement("SELECT rowid" + types + " FROM winfun " + rest);
    if (!locate.ok()) return locate.status();
    bind(locate->get());
    if (const int rc = sqlite3_step(locate->get()); rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? Status(StatusCode::NoCurrentRecord) : connection_->failure(rc);
    Record record;
    record.setRowid(sqlite3_column_int64(locate->get(), 0));
    QByteArray wholeColumns;
    int typeAt = 1;
    for (int c = 0; c < kColumnCount; ++c) {
        const Column column = Column(c);
        if (!columns().has(column)) continue;
        if (inPart.has(column)) {
            const QByteArray type =
                reinterpret_cast<const char*>(sqlite3_column_text(locate->get(), typeAt++));
            if (type == "text" || type == "blob") {
                if (std::optional<Part> part =
                        readPart(connection_->handle(), column, record.rowid(), type == "text",
                                 partBytes_)) {
                    record.setPart(column, std::move(part->start), part->startBytes, part->bytes);
                    continue;
                }
            }
        }
        wholeColumns += (wholeColumns.isEmpty() ? "" : ", ") + QByteArray(columnName(column));
    }
    if (wholeColumns.isEmpty()) return record;
    Result<Connection::Use> read =
        connection_->statement("SELECT " + wholeColumns + " FROM winfun WHERE rowid = ?");
    if (!read.ok()) return read.status();
    sqlite3_bind_int64(read->get(), 1, record.rowid());
    if (const int rc = sqlite3_step(read->get()); rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? Status(StatusCode::NoCurrentRecord) : connection_->failure(rc);
    int at = 0;
    for (int c = 0; c < kColumnCount; ++c)
        if (columns().has(Column(c)) && record.partBytes(Column(c)) == 0)
            record.set(Column(c), valueAt(read->get(), at++));
    return record;
}

Result<QVariant> CatalogueStore::wholeValue(const Record& shown, Column column) {
    const qint64 bytes = shown.partBytes(column);
    if (bytes == 0) return shown.value(column);
    Result<Connection::Use> use = connection_->statement(
        "SELECT " + QByteArray(columnName(column)) + " FROM winfun WHERE rowid = ?");
    if (!use.ok()) return use.status();
    sqlite3_bind_int64(use->get(), 1, shown.rowid());
    const int rc = sqlite3_step(use->get());
    if (rc == SQLITE_DONE) return Status(StatusCode::RecordGone);
    if (rc != SQLITE_ROW) return connection_->failure(rc);
    QVariant whole = valueAt(use->get(), 0);
    const QVariant& start = shown.value(column);
    const bool same = sqlite3_column_bytes(use->get(), 0) == bytes &&
                      whole.typeId() == start.typeId() &&
                      (whole.typeId() == QMetaType::QString
                           ? whole.toString().startsWith(start.toString())
                           : whole.toByteArray().startsWith(start.toByteArray()));
    if (!same) return Status(StatusCode::RecordChanged);
    return whole;
}

}  // namespace tolvane
