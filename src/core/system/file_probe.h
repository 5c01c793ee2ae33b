#pragma once

#include <QString>

namespace tolvane {

// Does at least one existing file (not a folder) match the path? The file
// name part may hold "*" and "?"; "/" and "\" both separate folders.
// A malformed path throws Error 52.
class FileProbe {
public:
    virtual ~FileProbe() = default;
    virtual bool exists(const QString& path) = 0;
};

}  // namespace tolvane
