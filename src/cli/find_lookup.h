#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

class CatalogueStore;
class RecordPrinter;
struct FindOptions;

// How a lookup went.
struct LookupEnd {
    bool found = false;  // at least one record was printed
    bool more = false;   // further records match beyond the limit
    qint64 skipped = 0;  // matching records whose ID is no whole number, not listed
};

// Runs the name search (or the full-text search) that the options ask for,
// as the window builds and orders it, and prints each record as it reads it
// (whole, or only its name with --names), up to the limit. Throws
// FindFailure for a malformed pattern, a catalogue without the column of the
// form asked for, and engine failures (naming `path`), after printing what
// was read before.
LookupEnd lookUp(CatalogueStore& store, const FindOptions& options, const QString& path,
                 RecordPrinter& printer);

// Up to three names of the catalogue closest to `pattern` (by edit distance,
// letters without case, at most a third of its length away), closest first.
// Throws FindFailure for engine failures.
QStringList closeNames(CatalogueStore& store, const QString& pattern, const QString& path);

}  // namespace tolvane
