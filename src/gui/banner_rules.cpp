#include "gui/banner_rules.h"

#include <limits>

namespace tolvane {

QSize adSizeTwips(qint16 adType) { return adType == 0 ? QSize(2250, 750) : QSize(750, 600); }

std::optional<QString> adPageAddress(const QString& base, qint16 adType) {
    if (adType == std::numeric_limits<qint16>::max()) return std::nullopt;
    return base + QStringLiteral("/ad") + QString::number(adType + 1) + QStringLiteral(".htm");
}

QString builtInBannerBase() { return QStringLiteral(TOLVANE_BANNER_BASE); }

QStringList builtInExemptDigests() {
    QStringList digests;
    for (const QString& entry : QStringLiteral(TOLVANE_EXEMPT_DIGESTS).split(u','))
        if (!entry.trimmed().isEmpty()) digests << entry.trimmed();
    return digests;
}

}  // namespace tolvane
