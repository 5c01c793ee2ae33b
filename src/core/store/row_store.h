#pragma once

#include <QVariant>

#include <cstddef>
#include <vector>

struct sqlite3_stmt;

namespace tolvane {

// The rows a recordset has read, packed into one byte buffer: per column a
// type byte, then a variable-length integer, eight bytes of a real, or a
// length and the UTF-8 text or blob bytes. A row of a name and an ID takes
// little more than the name's bytes plus the row's offset, so a million rows
// fit in a few tens of megabytes.
class RowStore {
public:
    explicit RowStore(int columns) : columns_(columns) {}

    std::size_t size() const { return starts_.size(); }
    // Stores the statement's current row as the last row.
    void append(sqlite3_stmt* statement);
    // Replaces a row by the statement's current row (the old bytes stay unused).
    void replace(std::size_t row, sqlite3_stmt* statement);
    // Null is an invalid QVariant; integers are qlonglong, text QString.
    QVariant value(std::size_t row, int column) const;
    void clear();

private:
    std::size_t encode(sqlite3_stmt* statement);
    void putVarint(unsigned long long value);
    unsigned long long takeVarint(std::size_t& at) const;

    int columns_;
    std::vector<char> bytes_;
    std::vector<std::size_t> starts_;
};

}  // namespace tolvane
