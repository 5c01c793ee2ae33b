#include "gui/detail_zoom.h"

#include "gui/window_geometry.h"
#include "gui/window_layout.h"

#include <QPushButton>

namespace tolvane {

namespace {
const QString kEnlarge = QStringLiteral("放大");
const QString kRestore = QStringLiteral("恢复");
}  // namespace

DetailZoom::DetailZoom(QWidget& window, WindowGeometry& geometry, QPushButton* zoomButton,
                       QPushButton* copyButton)
    : window_(window), geometry_(geometry), zoomButton_(zoomButton), copyButton_(copyButton) {}

void DetailZoom::toggle(QWidget* box) {
    if (zoomButton_->text() == kEnlarge) {
        zoomedFrom_ = geometry_.windowRect(box);
        const int width = twips(window_.width()) - 110, height = twips(window_.height()) - 255;
        box->setGeometry(px(60), px(60), px(width), px(height));
        box->raise();
        zoomButton_->setText(kRestore);
    } else {
        // A window moved in between puts the box off by the move.
        const QRect r = zoomedFrom_.translated(-geometry_.clientToScreen(&window_, QPoint(0, 0)));
        geometry_.setWindowPos(box, r.x(), r.y(), r.width(), r.height());
        zoomButton_->setText(kEnlarge);
    }
    zoomButton_->raise();
    copyButton_->raise();
}

}  // namespace tolvane
