#pragma once

#include "gui/clipboard.h"

namespace tolvane {

// The system clipboard through Qt. setText checks that the clipboard really
// holds the text afterwards; when it does not, it empties the clipboard
// rather than leave part of it behind, and throws Error 521.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
};

}  // namespace tolvane
