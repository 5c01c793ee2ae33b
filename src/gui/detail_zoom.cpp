#include "gui/detail_zoom.h"

#include "gui/output_forms.h"
#include "gui/twips.h"
#include "gui/window_geometry.h"
#include "gui/zoom_placement.h"

#include <QPushButton>

namespace tolvane {

namespace {
const QString kEnlarge = QStringLiteral("放大");
const QString kRestore = QStringLiteral("恢复");
constexpr int kCtrlOnly = 2;
}  // namespace

DetailZoom::DetailZoom(QWidget& window, WindowGeometry& geometry, OutputForms& forms,
                       Controls controls)
    : window_(window), geometry_(geometry), forms_(forms), controls_(controls) {}

void DetailZoom::toggleZoom() {
    const int focused = forms_.focusedBox();
    QWidget* box = controls_.detailBoxes[focused]->widget();
    QPushButton* zoom = controls_.zoomButton;
    if (zoom->text() == kEnlarge) {
        zoomedFrom_ = geometry_.windowRect(box);
        const QRect r = enlargedPlacement(twips(window_.width()), twips(window_.height()));
        box->setGeometry(px(r.x()), px(r.y()), px(r.width()), px(r.height()));
        box->raise();
        zoom->setText(kRestore);
    } else {
        const QRect r =
            restoredPlacement(zoomedFrom_, geometry_.clientToScreen(&window_, QPoint(0, 0)));
        geometry_.setWindowPos(box, r.x(), r.y(), r.width(), r.height());
        zoom->setText(kEnlarge);
    }
    zoom->raise();
    controls_.copyButton->raise();
    forms_.detailBoxFocused(focused);
}

void DetailZoom::detailBoxKeyReleased(int index, int keyCode, int shift) {
    DetailBox* box = controls_.detailBoxes[index];
    if (keyCode == Qt::Key_A && shift == kCtrlOnly) box->select(0, box->length());
}

}  // namespace tolvane
