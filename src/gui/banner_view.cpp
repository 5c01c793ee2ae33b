#include "gui/banner_view.h"

#include "core/store/error.h"
#include "core/system/machine.h"
#include "gui/md5.h"
#include "gui/property_bag.h"

#include <limits>

namespace tolvane {

namespace {
constexpr int kTwipsPerPixel = 15;
const QString kAdTypeKey = QStringLiteral("AdType");
constexpr int kAdTypeDefault = 1;
}  // namespace

BannerView::BannerView(const Env& env, QWidget* parent, BannerSettings settings)
    : QWidget(parent), env_(env), settings_(std::move(settings)) {
    startDelay_.setObjectName(QStringLiteral("startDelay"));
    startDelay_.setInterval(1000);
    connect(&startDelay_, &QTimer::timeout, this, &BannerView::startBanner);
    applyAdSize();
}

void BannerView::setAdType(qint16 adType) {
    adType_ = adType;
    applyAdSize();
}

void BannerView::readProperties(const PropertyBag& bag) {
    bool ok = false;
    const int stored = bag.read(kAdTypeKey, kAdTypeDefault).toInt(&ok);
    if (!ok || stored < std::numeric_limits<qint16>::min() ||
        stored > std::numeric_limits<qint16>::max())
        throw Error(err::Overflow);
    setAdType(static_cast<qint16>(stored));
}

void BannerView::writeProperties(PropertyBag& bag) const {
    bag.write(kAdTypeKey, int(adType_), kAdTypeDefault);
}

void BannerView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyAdSize();
}

void BannerView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (settings_.userMode && !browser_) startDelay_.start();
}

// Setting the size raises a resize, which comes back here; sizing_ makes that
// inner call return at once.
void BannerView::applyAdSize() {
    if (sizing_) return;
    sizing_ = true;
    resize(adSizeTwips(adType_) / kTwipsPerPixel);
    sizing_ = false;
}

// The computer's name in upper case, or "" when it cannot be read.
QString BannerView::machineName() const {
    if (!env_.machine) return {};
    return env_.machine->computerName().value_or(QString()).toUpper();
}

// Each step after the exemption check that fails is skipped silently and
// the next one runs; without a browser there is nothing left to do.
void BannerView::startBanner() {
    startDelay_.stop();
    const QString digest = md5Hex(machineName(), *env_.dialogs);
    if (settings_.exemptDigests.contains(digest)) return;
    try {
        if (env_.browsers)
            browser_ = env_.browsers->create(WebBrowserClass, QStringLiteral("browser"), this);
    } catch (const Error&) {}
    if (!browser_) return;
    connect(browser_, &Browser::browserEvent, this, &BannerView::browserEvent);
    try {
        browser_->navigate(adPageAddress(settings_.base, adType_));
    } catch (const Error&) {}
    browser_->setVisible(true);
    browser_->widget()->setVisible(true);
    browser_->move(0, 0, width(), height());
}

}  // namespace tolvane
