#pragma once

#include <QColor>

namespace tolvane {

// The contrast ratio of two colours as the accessibility guidelines define
// it: from 1 (the same luminance) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// The least readable text colour still wanted: 4.5:1, the guidelines'
// level for normal text.
constexpr double kReadableContrast = 4.5;

// `preferred` when it reads at least 4.5:1 on `background`; otherwise the
// same hue made darker or lighter, whichever way reaches 4.5:1 on it.
QColor readableOn(const QColor& background, const QColor& preferred);

}  // namespace tolvane
