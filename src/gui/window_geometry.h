#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace tolvane {

// Pixel geometry of windows, in screen or parent-client coordinates.
class WindowGeometry {
public:
    virtual ~WindowGeometry() = default;
    // The widget's outer rectangle in screen coordinates.
    virtual QRect windowRect(const QWidget* widget) = 0;
    virtual QPoint clientToScreen(const QWidget* window, QPoint point) = 0;
    // Moves and sizes a child in its parent's client coordinates and puts it
    // at the top of the z-order.
    virtual void setWindowPos(QWidget* child, int x, int y, int width, int height) = 0;
};

}  // namespace tolvane
