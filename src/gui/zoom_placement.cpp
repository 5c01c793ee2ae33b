#include "gui/zoom_placement.h"

namespace tolvane {

QRect enlargedPlacement(int clientWidthTwips, int clientHeightTwips) {
    return {60, 60, clientWidthTwips - 110, clientHeightTwips - 255};
}

QRect restoredPlacement(const QRect& savedScreenRect, QPoint clientOrigin) {
    return savedScreenRect.translated(-clientOrigin);
}

}  // namespace tolvane
