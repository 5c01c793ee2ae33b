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

// The palette a control's own colours are chosen against: its window's.
inline QPalette surroundingPalette(const QWidget* control) {
    return control->parentWidget() ? control->parentWidget()->palette() : control->palette();
}

// A fixed background for a control's text, and a text colour readable on it
// (the palette's own where that reads well). Set again when the palette
// changes, it stays readable in light and dark palettes.
inline void setBackground(QWidget* control, const QColor& colour) {
    const QColor text = surroundingPalette(control).color(QPalette::Text);
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Text, readableOn(colour, text));
    control->setPalette(palette);
}

// A label's text in `colour`, or as near to it as reads well on the window.
inline void setTextColour(QWidget* label, const QColor& colour) {
    const QColor window = surroundingPalette(label).color(QPalette::Window);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, readableOn(window, colour));
    label->setPalette(palette);
}

}  // namespace tolvane
