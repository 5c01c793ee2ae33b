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
    if (!enlarged_) {
        enlarged_ = box;
        // Kept in the window's terms, so that a move of the window between
        // enlarging and restoring does not displace the box.
        enlargedFrom_ =
            geometry_.windowRect(box).translated(-geometry_.clientToScreen(&window_, QPoint(0, 0)));
        const int width = twips(window_.width()) - 110, height = twips(window_.height()) - 255;
        box->setGeometry(px(60), px(60), px(width), px(height));
        box->raise();
        zoomButton_->setText(kRestore);
    } else {
        const QRect& r = enlargedFrom_;
        geometry_.setWindowPos(enlarged_, r.x(), r.y(), r.width(), r.height());
        enlarged_ = nullptr;
        zoomButton_->setText(kEnlarge);
    }
    zoomButton_->raise();
    copyButton_->raise();
}

}  // namespace tolvane
