// Enlarging a detail box over the window and restoring it; Ctrl+A.
#include "browse/detail_box.h"
#include "browse/form1.h"
#include "browse/twips.h"
#include "editing/zoom_placement.h"
#include "platform/window_geometry.h"

#include <QKeyEvent>
#include <QPushButton>

namespace tolvane {

namespace {
const QString kEnlarge = QStringLiteral("放大");
const QString kRestore = QStringLiteral("恢复");
constexpr int kCtrlOnly = 2;
}  // namespace

void Form1::Command6_Click() {
    QWidget* box = TOut[CurOut]->widget();
    if (Command6->text() == kEnlarge) {
        OutRect = env_.geometry->windowRect(box);
        const QSize outer = frameGeometry().size();
        const QRect r = enlargedPlacement(twips(outer.width()), twips(outer.height()));
        box->setGeometry(px(r.x()), px(r.y()), px(r.width()), px(r.height()));
        box->raise();
        Command6->setText(kRestore);
    } else {
        const QRect r = restoredPlacement(OutRect, env_.geometry->clientToScreen(this, QPoint(0, 0)));
        env_.geometry->setWindowPos(box, r.x(), r.y(), r.width(), r.height());
        Command6->setText(kEnlarge);
    }
    Command6->raise();
    Command3->raise();
    TOut_GotFocus(CurOut);
}

void Form1::TOut_KeyUp(int index, int keyCode, int shift) {
    if (keyCode == Qt::Key_A && shift == kCtrlOnly) TOut[index]->select(0, TOut[index]->length());
}

// Enter reaches the window when the focused control does not take it
// itself (multi-line boxes do, for their line breaks). As with a default
// button, a focused button is clicked in its place.
void Form1::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused ? focused : Command6)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tolvane
