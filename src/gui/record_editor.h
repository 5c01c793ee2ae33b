#pragma once

#include "gui/detail_box.h"

#include <memory>

class QCheckBox;
class QComboBox;

namespace tolvane {

class Database;
class Dialogs;
class RecordView;

// Adding, saving and deleting catalogue records, each after a confirmation;
// the record on view is the one the ID box names.
class RecordEditor {
public:
    struct Controls {
        DetailBoxes detailBoxes;
        QCheckBox* win95Check;
        QCheckBox* winntCheck;
        QComboBox* categoryBox;
    };
    RecordEditor(const std::shared_ptr<Database>& catalogue, Dialogs& dialogs, RecordView& view,
                 Controls controls);

    // Appends an empty record and shows it; the result list is left alone.
    void addRecord();
    // Writes every detail control back to the record on view in one update.
    void saveShownRecord();
    void deleteShownRecord();

private:
    const std::shared_ptr<Database>& catalogue_;
    Dialogs& dialogs_;
    RecordView& view_;
    Controls controls_;
};

}  // namespace tolvane
