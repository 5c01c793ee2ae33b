#pragma once

#include "gui/window_geometry.h"

namespace tolvane {

// Window geometry through Qt's widget coordinates.
class QtWindowGeometry : public WindowGeometry {
public:
    QRect windowRect(const QWidget* widget) override;
    QPoint clientToScreen(const QWidget* window, QPoint point) override;
    void setWindowPos(QWidget* child, int x, int y, int width, int height) override;
};

}  // namespace tolvane
