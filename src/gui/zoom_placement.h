#pragma once

#include <QPoint>
#include <QRect>

namespace tolvane {

// Where an enlarged detail box goes, in client twips, for a main window whose
// client area has the given size in twips: 60 twips in from the top left,
// 50 short of the right edge and 15 above the status line (whose top is 180
// above the bottom), whatever frame the window manager draws around it.
QRect enlargedPlacement(int clientWidthTwips, int clientHeightTwips);

// Where a restored box goes, in its parent's client pixels: the screen
// rectangle saved before the enlarge, seen from the client origin as it is
// now. A window moved in between therefore puts the box off by the move.
QRect restoredPlacement(const QRect& savedScreenRect, QPoint clientOrigin);

}  // namespace tolvane
