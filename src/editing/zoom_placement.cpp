#include "editing/zoom_placement.h"

namespace tolvane {

QRect enlargedPlacement(int outerWidthTwips, int outerHeightTwips) {
    return {60, 60, outerWidthTwips - 200, outerHeightTwips - 630};
}

QRect restoredPlacement(const QRect& savedScreenRect, QPoint clientOrigin) {
    return savedScreenRect.translated(-clientOrigin);
}

}  // namespace tolvane
