#pragma once

#include "core/store/record.h"

#include <QByteArray>

#include <vector>

namespace tolvane {

class CatalogueStore;
struct FindOptions;

// The records a lookup found, in the window's order: with --names their
// names only, else whole, with the columns the catalogue has.
struct FoundRecords {
    ColumnSet columns;
    std::vector<Record> rows;
    std::vector<QByteArray> names;  // UTF-8
    bool more = false;              // further records match beyond the limit
    qint64 skipped = 0;             // matching records whose ID is no whole number, not listed
};

// Runs the name search (or the full-text search) that the options ask for,
// as the window builds and orders it, reading whole records up to the limit.
// Throws FindFailure for a malformed pattern, a catalogue without the
// column of the form asked for, and engine failures (naming `path`).
FoundRecords lookUp(CatalogueStore& store, const FindOptions& options, const QString& path);

}  // namespace tolvane
