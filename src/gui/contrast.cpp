#include "gui/contrast.h"

#include <algorithm>
#include <cmath>

namespace tolvane {
namespace {

double channel(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

double luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Steps the HSL lightness towards black or white; black or white reach
// 4.5:1 on any background from one side at least.
QColor readableOn(const QColor& background, const QColor& preferred) {
    if (contrastRatio(background, preferred) >= kReadableContrast) return preferred;
    const bool darker =
        contrastRatio(background, Qt::black) >= contrastRatio(background, Qt::white);
    const QColor hsl = preferred.toHsl();
    for (int step = 1; step <= 20; ++step) {
        const double lightness = darker ? hsl.lightnessF() * (1 - step / 20.0)
                                        : hsl.lightnessF() + (1 - hsl.lightnessF()) * step / 20.0;
        const QColor candidate =
            QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness).toRgb();
        if (contrastRatio(background, candidate) >= kReadableContrast) return candidate;
    }
    return darker ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace tolvane
