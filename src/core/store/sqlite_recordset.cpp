#include "core/store/sqlite_recordset.h"

#include "core/store/error.h"
#include "core/store/find_criterion.h"

#include <sqlite3.h>

namespace tolvane {

namespace {
QStringList columnNames(sqlite3_stmt* statement) {
    QStringList names;
    for (int c = 0; c < sqlite3_column_count(statement); ++c)
        names << QString::fromUtf8(sqlite3_column_name(statement, c));
    return names;
}
}  // namespace

SqliteRecordset::SqliteRecordset(std::shared_ptr<Connection> connection, Statement statement)
    : connection_(std::move(connection)),
      statement_(std::move(statement)),
      columns_(columnNames(statement_.get())),
      rows_(int(columns_.size())),
      writer_(RowWriter::forStatement(*connection_, statement_.get())) {
    if (fetch(0)) place(Place::Row, 0);
}

void SqliteRecordset::checkOpen() const {
    if (closed_ || !connection_->isOpen()) throw Error(err::ObjectClosed);
}

int SqliteRecordset::columnIndex(const QString& name) const {
    for (int c = 0; c < columns_.size(); ++c)
        if (columns_[c].compare(name, Qt::CaseInsensitive) == 0) return c;
    throw Error(err::UnknownField);
}

bool SqliteRecordset::fetch(std::size_t row) {
    while (rows_.size() <= row) {
        if (!statement_) return false;
        const int rc = connection_->step(statement_.get());
        if (rc == SQLITE_ROW) {
            rows_.append(statement_.get());
            continue;
        }
        // Done or failed: either way this statement yields no more rows.
        if (rc == SQLITE_DONE) {
            statement_.reset();
            return false;
        }
        const Error failure = connection_->error(rc);
        statement_.reset();
        throw failure;
    }
    return true;
}

void SqliteRecordset::fetchAll() {
    while (fetch(rows_.size())) {}
}

void SqliteRecordset::place(Place where, std::size_t row) {
    place_ = where;
    current_ = row;
}

void SqliteRecordset::startMove() {
    checkOpen();
    editing_ = Editing::None;
    pending_.clear();
}

bool SqliteRecordset::eof() const {
    checkOpen();
    return place_ != Place::Row;
}

QVariant SqliteRecordset::field(const QString& name) const {
    checkOpen();
    if (editing_ != Editing::None) {
        const auto edited = pending_.find(columnIndex(name));
        if (edited != pending_.end()) return edited->second;
        if (editing_ == Editing::Adding) return {};  // the defaults appear after update()
    }
    if (place_ != Place::Row) throw Error(err::NoCurrentRecord);
    return rows_.value(current_, columnIndex(name));
}

void SqliteRecordset::moveFirst() {
    startMove();
    if (!fetch(0)) throw Error(err::NoCurrentRecord);
    place(Place::Row, 0);
}

void SqliteRecordset::moveLast() {
    startMove();
    fetchAll();
    if (rows_.size() == 0) throw Error(err::NoCurrentRecord);
    place(Place::Row, rows_.size() - 1);
}

void SqliteRecordset::moveNext() {
    startMove();
    switch (place_) {
    case Place::Row:
        if (fetch(current_ + 1))
            place(Place::Row, current_ + 1);
        else
            place(Place::AfterLast);
        return;
    case Place::BeforeFirst: place(Place::Row, 0); return;
    case Place::AfterLast:
    case Place::Nowhere: throw Error(err::NoCurrentRecord);
    }
}

void SqliteRecordset::movePrevious() {
    startMove();
    switch (place_) {
    case Place::Row:
        if (current_ > 0)
            place(Place::Row, current_ - 1);
        else
            place(Place::BeforeFirst);
        return;
    case Place::AfterLast:
        // After the last row the statement has been read to its end.
        if (rows_.size() == 0) throw Error(err::NoCurrentRecord);
        place(Place::Row, rows_.size() - 1);
        return;
    case Place::BeforeFirst:
    case Place::Nowhere: throw Error(err::NoCurrentRecord);
    }
}

void SqliteRecordset::findFirst(const QString& criterion) {
    startMove();
    const FindCriterion test = FindCriterion::parse(criterion, columns_);
    for (std::size_t row = 0; fetch(row); ++row) {
        if (test.matches([&](int column) { return rows_.value(row, column); })) {
            place(Place::Row, row);
            return;
        }
    }
    place(Place::Nowhere);
}

void SqliteRecordset::addNew() {
    startMove();
    if (!writer_) throw Error(err::CannotUpdate);
    editing_ = Editing::Adding;
}

void SqliteRecordset::edit() {
    checkOpen();
    if (!writer_) throw Error(err::CannotUpdate);
    if (place_ != Place::Row) throw Error(err::NoCurrentRecord);
    pending_.clear();
    editing_ = Editing::Changing;
}

void SqliteRecordset::setField(const QString& name, const QVariant& value) {
    checkOpen();
    const int column = columnIndex(name);
    if (editing_ == Editing::None) throw Error(err::UpdateWithoutEdit);
    // The key is the engine's: new rows get the next one, rows keep theirs.
    if (column == writer_->keyColumn()) throw Error(err::FieldNotUpdatable);
    pending_[column] = value;
}

void SqliteRecordset::update() {
    checkOpen();
    Statement fresh;
    switch (editing_) {
    case Editing::None: throw Error(err::UpdateWithoutEdit);
    case Editing::Adding:
        // Read to the end first, so the statement cannot yield the new row
        // as well; the new row then joins the rows kept, last.
        fetchAll();
        connection_->writeTransaction(
            [&] { fresh = writer_->read(*connection_, writer_->insert(*connection_, pending_)); });
        rows_.append(fresh.get());
        place(Place::Row, rows_.size() - 1);
        break;
    case Editing::Changing:
        if (!pending_.empty()) {
            const qlonglong key = rows_.value(current_, writer_->keyColumn()).toLongLong();
            connection_->writeTransaction([&] {
                writer_->update(*connection_, key, pending_);
                fresh = writer_->read(*connection_, key);
            });
            rows_.replace(current_, fresh.get());
        }
        break;
    }
    editing_ = Editing::None;
    pending_.clear();
}

void SqliteRecordset::close() {
    closed_ = true;
    statement_.reset();
    rows_.clear();
    pending_.clear();
}

}  // namespace tolvane
