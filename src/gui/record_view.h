#pragma once

#include "gui/detail_box.h"

#include <QString>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QListView;

namespace tolvane {

class Database;
class Dialogs;
class ResultListModel;

// One record in the detail controls: shown by ID, chosen from the result
// list, or reached by walking the whole catalogue.
class RecordView {
public:
    struct Controls {
        DetailBoxes detailBoxes;
        QCheckBox* win95Check;
        QCheckBox* winntCheck;
        QComboBox* categoryBox;
        QListView* resultList;
        ResultListModel* resultModel;
        QLabel* statusLine;
    };
    RecordView(const std::shared_ptr<Database>& catalogue, Dialogs& dialogs, Controls controls);

    // Loads the record whose ID `id` gives as decimal text. Each control is
    // filled on its own: a column that cannot be read leaves its box empty
    // (a check box or the category as they were) and the rest still shows.
    // An ID that is no number or names no record changes nothing.
    void showRecord(const QString& id);
    // Shows the list's current entry and its position in the status line.
    void resultChosen();
    // Makes entry `row` current and shows it, as a user's pick of it would.
    void selectResult(int row);
    // One of the navigation buttons: walks the catalogue in ascending ID,
    // whatever the result list holds.
    void navigate(int button);

private:
    const std::shared_ptr<Database>& catalogue_;
    Dialogs& dialogs_;
    Controls controls_;
};

}  // namespace tolvane
