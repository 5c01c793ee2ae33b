#pragma once

namespace tolvane {

// The window layout is given in twips; at 96 dots per inch 15 twips are one pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return twips / kTwipsPerPixel; }
constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace tolvane
