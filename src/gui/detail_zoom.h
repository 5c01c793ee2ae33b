#pragma once

#include "gui/detail_box.h"

#include <QRect>

class QPushButton;
class QWidget;

namespace tolvane {

class OutputForms;
class WindowGeometry;

// Enlarging the focused detail box over the window and restoring it to its
// place; Ctrl+A in a detail box.
class DetailZoom {
public:
    struct Controls {
        DetailBoxes detailBoxes;
        QPushButton* zoomButton;
        QPushButton* copyButton;
    };
    DetailZoom(QWidget& window, WindowGeometry& geometry, OutputForms& forms, Controls controls);

    // Enlarges the focused box ("放大"), or restores it ("恢复").
    void toggleZoom();
    // Ctrl+A (on release) selects the box's whole text. `shift`: 1 Shift,
    // 2 Ctrl, 4 Alt.
    void detailBoxKeyReleased(int index, int keyCode, int shift);

private:
    QWidget& window_;
    WindowGeometry& geometry_;
    OutputForms& forms_;
    Controls controls_;
    QRect zoomedFrom_;  // screen rectangle of the box before the last enlarge
};

}  // namespace tolvane
