#pragma once

#include "gui/clipboard.h"

namespace tolvane {

// The system clipboard through Qt. setText checks that the clipboard really
// holds the text afterwards; when it does not, it empties the clipboard
// rather than leave part of it behind, and fails.
class QtClipboard : public Clipboard {
public:
    Status clear() override;
    Status setText(const QString& text) override;
};

}  // namespace tolvane
