#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace tolvane {

// The control's size in twips for a banner kind: 2250 x 750 for kind 0,
// 750 x 600 for every other kind.
QSize adSizeTwips(qint16 adType);

// The banner page of a kind: base + "/ad" + (adType + 1) + ".htm". The page
// number is 16-bit like the kind, so kind 32767 has none.
std::optional<QString> adPageAddress(const QString& base, qint16 adType);

// Scheme and host of the banner server, fixed at build time.
QString builtInBannerBase();
// Digests of the machine names that show no banner, fixed at build time.
QStringList builtInExemptDigests();

struct BannerSettings {
    QString base = builtInBannerBase();
    // Compared exactly with the digest of the upper-case machine name.
    QStringList exemptDigests = builtInExemptDigests();
};

}  // namespace tolvane
