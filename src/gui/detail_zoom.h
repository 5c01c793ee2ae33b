#pragma once

#include <QRect>

class QPushButton;
class QWidget;

namespace tolvane {

class WindowGeometry;

// Enlarging a detail box over the window and restoring it to its place: the
// enlarged box sits 60 twips in from the client area's top left, 50 short of
// its right edge and 15 above the status line; restoring puts it at the
// screen rectangle saved before, seen from where the client area is now.
class DetailZoom {
public:
    DetailZoom(QWidget& window, WindowGeometry& geometry, QPushButton* zoomButton,
               QPushButton* copyButton);

    // Enlarges `box` ("放大"), or restores it ("恢复").
    void toggle(QWidget* box);

private:
    QWidget& window_;
    WindowGeometry& geometry_;
    QPushButton* zoomButton_;
    QPushButton* copyButton_;
    QRect zoomedFrom_;  // screen rectangle of the box before the last enlarge
};

}  // namespace tolvane
