#include "gui/result_list_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace tolvane {
namespace {

// Asks for no width of its own, so the list lays each entry out as wide as
// its viewport and the text is elided to that width.
class FullWidthDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {0, QStyledItemDelegate::sizeHint(option, index).height()};
    }
};

}  // namespace

ResultListView::ResultListView(QWidget* parent) : QListView(parent) {
    setItemDelegate(new FullWidthDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
}

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
