#pragma once

#include <QPoint>
#include <QRect>

namespace tolvane {

// Where an enlarged detail box goes, in client twips, for a main window whose
// outer size (frame and title bar included) is given in twips: 60 twips in
// from the top left, leaving room for the frame and the status line.
QRect enlargedPlacement(int outerWidthTwips, int outerHeightTwips);

// Where a restored box goes, in its parent's client pixels: the screen
// rectangle saved before the enlarge, seen from the client origin as it is
// now. A window moved in between therefore puts the box off by the move.
QRect restoredPlacement(const QRect& savedScreenRect, QPoint clientOrigin);

}  // namespace tolvane
