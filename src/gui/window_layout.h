#pragma once

#include "gui/contrast.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace tolvane {

// The window layout is given in twips; at 96 dots per inch 15 twips are one pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return twips / kTwipsPerPixel; }
constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }

// Puts a control at its place, given in twips.
template <typename W>
W* place(W* control, int left, int top, int width, int height) {
    control->setGeometry(px(left), px(top), px(width), px(height));
    return control;
}

// A fixed background for a control's text, and a text colour readable on it
// (the palette's own where that reads well), in light and dark palettes.
inline void setBackground(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Text, readableOn(colour, palette.color(QPalette::Text)));
    control->setPalette(palette);
}

}  // namespace tolvane
