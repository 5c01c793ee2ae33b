#pragma once

#include <QString>

class QComboBox;

namespace tolvane {

// Fills a combo box from one text whose entries are joined by a separator
// and selects an entry. An empty text leaves the control untouched; empty
// pieces become empty entries; a negative position selects nothing.
// A position past the last entry selects nothing. Selecting raises the control's click handling
// (its activated signal), as a user's pick would.
void addItems(const QString& text, QComboBox* control, const QString& separator, int position);

// Makes the control's drop-down list wide enough for its longest entry, so
// that no entry is cut short there (the control itself keeps its width).
void widenPopup(QComboBox* control);

}  // namespace tolvane
