#pragma once

#include "core/store/status.h"

#include <QString>

namespace tolvane {

// Does at least one existing file (not a folder) match the path? The file
// name part may hold "*" and "?"; "/" and "\" both separate folders.
// A malformed path fails with BadPath.
class FileProbe {
public:
    virtual ~FileProbe() = default;
    virtual Result<bool> exists(const QString& path) = 0;
};

}  // namespace tolvane
