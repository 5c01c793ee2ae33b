#pragma once

#include "core/store/status.h"

#include <QString>

namespace tolvane {

// Writes a new catalogue file from an SQL script (schema and rows, such as
// data/schema.sql followed by data/starter.sql), encrypted with the password
// unless it is empty. The file is built under a temporary name and renamed
// at the end, replacing an existing file; a failed build leaves nothing
// behind. For tests and tools.
Status createCatalogue(const QString& path, const QString& password, const QString& sqlScript);

}  // namespace tolvane
