#pragma once

#include <QRect>

class QPushButton;
class QWidget;

namespace tolvane {

class WindowGeometry;

// Enlarging a detail box over the window and restoring it to its place: the
// enlarged box sits 60 twips in from the client area's top left, 50 short of
// its right edge and 15 above the status line; restoring puts the enlarged
// box back where it was in the window, wherever the window went meanwhile.
class DetailZoom {
public:
    DetailZoom(QWidget& window, WindowGeometry& geometry, QPushButton* zoomButton,
               QPushButton* copyButton);

    // Enlarges `box` ("放大"), or restores the enlarged box ("恢复").
    void toggle(QWidget* box);
    // The enlarged box, or none.
    QWidget* enlarged() const { return enlarged_; }

private:
    QWidget& window_;
    WindowGeometry& geometry_;
    QPushButton* zoomButton_;
    QPushButton* copyButton_;
    QWidget* enlarged_ = nullptr;
    QRect enlargedFrom_;  // the enlarged box's place in the window before
};

}  // namespace tolvane
