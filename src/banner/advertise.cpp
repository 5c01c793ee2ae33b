#include "banner/advertise.h"

#include "banner/md5.h"
#include "banner/property_bag.h"
#include "platform/error.h"
#include "platform/machine.h"

#include <limits>

namespace tolvane {

namespace {
constexpr int TwipsPerPixel = 15;
const QString AdTypeKey = QStringLiteral("AdType");
constexpr int AdTypeDefault = 1;
}  // namespace

Advertise::Advertise(const Env& env, QWidget* parent, BannerSettings settings)
    : QWidget(parent), env_(env), settings_(std::move(settings)) {
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &Advertise::startBanner);
    ApplyAdSize();
}

void Advertise::setAdType(qint16 adType) {
    adType_ = adType;
    ApplyAdSize();
}

void Advertise::readProperties(const PropertyBag& bag) {
    bool ok = false;
    const int stored = bag.read(AdTypeKey, AdTypeDefault).toInt(&ok);
    if (!ok || stored < std::numeric_limits<qint16>::min() ||
        stored > std::numeric_limits<qint16>::max())
        throw Error(err::Overflow);
    setAdType(static_cast<qint16>(stored));
}

void Advertise::writeProperties(PropertyBag& bag) const {
    bag.write(AdTypeKey, int(adType_), AdTypeDefault);
}

void Advertise::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyAdSize();
}

void Advertise::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (settings_.userMode && !Br) Timer1.start();
}

// Setting the size raises a resize, which comes back here; Sizing makes that
// inner call return at once.
void Advertise::ApplyAdSize() {
    if (Sizing) return;
    Sizing = true;
    resize(adSizeTwips(adType_) / TwipsPerPixel);
    Sizing = false;
}

// The computer's name in upper case, or "" when it cannot be read.
QString Advertise::GetMachineName() const {
    if (!env_.machine) return {};
    return env_.machine->computerName().value_or(QString()).toUpper();
}

// Each step after the exemption check that fails is skipped silently and
// the next one runs; without a browser there is nothing left to do.
void Advertise::startBanner() {
    Timer1.stop();
    const QString digest = HexDigest(GetMachineName(), *env_.dialogs);
    if (settings_.exemptDigests.contains(digest)) return;
    try {
        if (env_.browsers) Br = env_.browsers->create(WebBrowserClass, QStringLiteral("Br"), this);
    } catch (const Error&) {
    }
    if (!Br) return;
    connect(Br, &Browser::browserEvent, this, &Advertise::BrowserEvent);
    try {
        Br->navigate(adPageAddress(settings_.base, adType_));
    } catch (const Error&) {
    }
    Br->setVisible(true);
    Br->widget()->setVisible(true);
    Br->move(0, 0, width(), height());
}

}  // namespace tolvane
