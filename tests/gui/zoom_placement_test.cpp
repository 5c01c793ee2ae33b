#include "gui/zoom_placement.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(ZoomPlacementTest, EnlargedInsideTheClientArea) {
    // The 11475 x 7590 client area, whatever frame surrounds it.
    const QRect r = enlargedPlacement(11475, 7590);
    EXPECT_EQ(r.topLeft(), QPoint(60, 60));
    EXPECT_EQ(r.left() + r.width(), 11425);
    EXPECT_EQ(r.top() + r.height(), 7395);  // 15 twips above the status line at 7410
    // Restoring from the current client origin is proven in the window by a
    // box put back after the window moved while it was enlarged.
}
