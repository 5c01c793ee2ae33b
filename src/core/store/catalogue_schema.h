#pragma once

#include "core/store/record.h"
#include "core/store/status.h"

#include <QString>

namespace tolvane {

class Connection;

// What an opened catalogue holds: the known columns winfun has, whether its
// rows have a rowid (a WITHOUT ROWID table has none), and whether ID is that
// rowid (ID INTEGER PRIMARY KEY).
struct CatalogueShape {
    ColumnSet columns;
    bool hasRowid = true;
    bool idIsRowid = false;
};

// Checks that an opened file holds a catalogue: a table winfun (not a view)
// with the columns ID and name, no virtual table at all, and nothing that
// makes a write into winfun run functions the file names (see WriteCode). Otherwise
// NotACatalogue, with a message that names the file and what is wrong, and
// what is wrong in English (Status::english).
Result<CatalogueShape> checkCatalogueSchema(Connection& connection, const QString& path);

}  // namespace tolvane
