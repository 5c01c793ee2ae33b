#pragma once

#include "core/store/sqlite_connection.h"

#include <QByteArray>
#include <QVariant>

#include <map>
#include <optional>
#include <vector>

namespace tolvane {

// Writes the rows of a recordset back to their table. A recordset is
// writable when every column it selects is a plain column of one table,
// no column twice, and the table's key (its single INTEGER PRIMARY KEY, such
// as winfun's ID) is among them; rows are then addressed by that key.
class RowWriter {
public:
    using Values = std::map<int, QVariant>;  // result column -> new value

    // Nothing when the statement's rows cannot be written back.
    static std::optional<RowWriter> forStatement(Connection& connection, sqlite3_stmt* statement);

    int keyColumn() const { return key_; }
    // Appends a row with the given values and every other column at its
    // default; returns the new key.
    qlonglong insert(Connection& connection, const Values& values) const;
    // Throws err::RecordDeleted when no row has the key any more.
    void update(Connection& connection, qlonglong key, const Values& values) const;
    // The row with the key, in the recordset's columns, stepped onto it.
    Statement read(Connection& connection, qlonglong key) const;

private:
    void bind(sqlite3_stmt* statement, const Values& values) const;
    QByteArray tableName() const;

    QByteArray schema_, table_;
    std::vector<QByteArray> columns_;  // quoted names in result order
    int key_ = -1;
};

}  // namespace tolvane
