#include "gui/result_list_view.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tolvane {

void ResultListView::mousePressEvent(QMouseEvent* event) {
    pressedOnEntry_ =
        event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid();
    QListView::mousePressEvent(event);
}

// The press made its entry current; the release completes the click.
void ResultListView::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    const bool chosen =
        pressedOnEntry_ && event->button() == Qt::LeftButton && currentIndex().isValid();
    pressedOnEntry_ = false;
    if (chosen) emit entryChosen();
}

void ResultListView::keyPressEvent(QKeyEvent* event) {
    const QPersistentModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    if (currentIndex().isValid() && currentIndex() != before) emit entryChosen();
}

// Qt makes the first entry current when the focus arrives in a list without
// a current entry; here the list stays as the search left it.
void ResultListView::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid()) selectionModel()->clearCurrentIndex();
}

}  // namespace tolvane
