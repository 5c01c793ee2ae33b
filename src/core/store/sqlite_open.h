#pragma once

#include "core/store/sqlite_connection.h"

#include <QString>

#include <memory>

namespace tolvane {

// Opens a catalogue file as SqliteEngine::openDatabase describes; the
// password is used only when the file is encrypted.
std::shared_ptr<Connection> openCatalogueFile(const QString& path, bool exclusive, bool readOnly,
                                              const QString& password);

}  // namespace tolvane
