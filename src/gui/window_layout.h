#pragma once

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

inline void setBackground(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, colour);
    control->setPalette(palette);
}

}  // namespace tolvane
