#pragma once

#include <QString>

namespace tolvane {

class Connection;

// Checks that an opened file holds a catalogue: a table winfun (not a view)
// with the columns ID and name, and no virtual table at all. Otherwise throws
// err::NotInDatabase with a description that names the file and what is
// wrong, so that the file is handled as one that cannot be opened.
void checkCatalogueSchema(Connection& connection, const QString& path);

}  // namespace tolvane
