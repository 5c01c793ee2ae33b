#include "gui/qt_window_geometry.h"

#include <QWidget>

#include <algorithm>

namespace tolvane {

QRect QtWindowGeometry::windowRect(const QWidget* widget) {
    if (widget->isWindow()) return widget->frameGeometry();
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

QPoint QtWindowGeometry::clientToScreen(const QWidget* window, QPoint point) {
    return window->mapToGlobal(point);
}

void QtWindowGeometry::setWindowPos(QWidget* child, int x, int y, int width, int height) {
    // A negative extent leaves the window empty, as the native call does.
    child->setGeometry(x, y, std::max(width, 0), std::max(height, 0));
    child->raise();
}

}  // namespace tolvane
