#pragma once

#include <QString>

namespace tolvane {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Both throw Error 521 when the clipboard cannot be written.
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
};

}  // namespace tolvane
