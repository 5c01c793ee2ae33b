#pragma once

#include <QStringList>
#include <QVariantList>

#include <vector>

namespace tolvane {

class Database;
struct FindOptions;

// The records a lookup found, in the window's order: every column's value
// (Null as an invalid QVariant), columns in the catalogue's order.
struct FoundRecords {
    QStringList columns;
    std::vector<QVariantList> rows;
    bool more = false;  // further records match beyond the limit
    qint64 skipped =
        0;  // matching records whose ID is no whole number, not listed (as in the window)

    // A column's value, the column named in either case; Null for a column
    // the records do not have.
    QVariant value(std::size_t row, const QString& column) const;
};

// Runs the name search (or the full-text search) that the options ask for,
// as the window builds and orders it, reading whole records up to the limit.
// Throws FindFailure for a malformed pattern, a catalogue without the
// column of the form asked for, and engine failures (naming `path`).
FoundRecords lookUp(Database& db, const FindOptions& options, const QString& path);

}  // namespace tolvane
