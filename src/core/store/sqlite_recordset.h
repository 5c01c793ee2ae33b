#pragma once

#include "core/store/engine.h"
#include "core/store/row_store.h"
#include "core/store/row_writer.h"
#include "core/store/sqlite_connection.h"

#include <QStringList>

#include <memory>
#include <optional>

namespace tolvane {

// A recordset over one prepared SELECT. Rows are read from the statement
// only as far as the caller moves (MoveLast reads to the end) and are kept,
// packed, so that it can move back and find. Opening it reads the first row.
//
// Positions: on a row; before the first row (MovePrevious from the first
// row); after the last (MoveNext from the last row, or an empty result); or
// nowhere after a FindFirst that met no row. Without a current row eof() is
// true and reading a field throws err::NoCurrentRecord. MoveNext after the
// last row, MovePrevious before the first, and both after a failed find
// throw err::NoCurrentRecord; MoveFirst and MoveLast work from anywhere but
// throw it when there are no rows at all.
//
// Editing needs a writable recordset (see RowWriter), else err::CannotUpdate.
// Any move drops a pending AddNew or Edit. A failed update() keeps it.
class SqliteRecordset final : public Recordset {
public:
    SqliteRecordset(std::shared_ptr<Connection> connection, Statement statement);

    bool eof() const override;
    QVariant field(const QString& name) const override;
    void moveFirst() override;
    void moveNext() override;
    void movePrevious() override;
    void moveLast() override;
    void findFirst(const QString& criterion) override;
    void addNew() override;
    void edit() override;
    void setField(const QString& name, const QVariant& value) override;
    void update() override;
    void close() override;

    // How many rows have been read from the statement so far.
    std::size_t rowsRead() const { return rows_.size(); }

private:
    enum class Place { Row, BeforeFirst, AfterLast, Nowhere };
    enum class Editing { None, Adding, Changing };

    void checkOpen() const;
    int columnIndex(const QString& name) const;
    // Reads until the row is kept; false when the rows end before it.
    bool fetch(std::size_t row);
    void fetchAll();
    void startMove();
    void place(Place where, std::size_t row = 0);

    std::shared_ptr<Connection> connection_;
    Statement statement_;  // released once every row is read
    QStringList columns_;
    RowStore rows_;
    std::optional<RowWriter> writer_;
    Place place_ = Place::AfterLast;
    std::size_t current_ = 0;
    Editing editing_ = Editing::None;
    RowWriter::Values pending_;
    bool closed_ = false;
};

}  // namespace tolvane
