#include "gui/add_items.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>

namespace tolvane {

void addItems(const QString& text, QComboBox* control, const QString& separator, int position) {
    if (text.isEmpty()) return;
    control->clear();
    control->addItems(text.split(separator, Qt::KeepEmptyParts));
    // A filled combo box starts with no selection; Qt would pick entry 0.
    control->setCurrentIndex(-1);
    if (position >= 0 && position < control->count()) {
        control->setCurrentIndex(position);
        emit control->activated(position);
    }
}

void widenPopup(QComboBox* control) {
    QAbstractItemView* view = control->view();
    const int scrollBar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth() + scrollBar);
}

}  // namespace tolvane
