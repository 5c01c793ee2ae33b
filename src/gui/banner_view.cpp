#include "gui/banner_view.h"

#include "core/system/machine.h"
#include "gui/md5.h"
#include "gui/window_layout.h"

namespace tolvane {

BannerView::BannerView(const WindowEnv& env, QWidget* parent, BannerSettings settings)
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

void BannerView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyAdSize();
}

void BannerView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!browser_) startDelay_.start();
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

// Each step after the exemption check that fails is skipped and the next
// one runs; without a browser there is nothing left to do.
void BannerView::startBanner() {
    startDelay_.stop();
    if (settings_.exemptDigests.contains(md5Hex(machineName()))) return;
    if (env_.browsers)
        browser_ = env_.browsers->create(WebBrowserClass, QStringLiteral("browser"), this);
    if (!browser_) return;
    connect(browser_, &Browser::browserEvent, this, &BannerView::browserEvent);
    if (const auto page = adPageAddress(settings_.base, adType_)) browser_->navigate(*page);
    browser_->setVisible(true);
    browser_->widget()->setVisible(true);
    browser_->move(0, 0, width(), height());
}

}  // namespace tolvane
