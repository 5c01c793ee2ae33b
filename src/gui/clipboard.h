#pragma once

#include "core/store/status.h"

#include <QString>

namespace tolvane {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Both fail with ClipboardFailure when the clipboard cannot be written.
    virtual Status clear() = 0;
    virtual Status setText(const QString& text) = 0;
};

}  // namespace tolvane
