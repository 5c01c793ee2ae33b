#include "gui/add_items.h"

#include <QComboBox>

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

}  // namespace tolvane
