#pragma once

#include "core/store/optional_columns.h"

#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QTimer;

namespace tolvane {

class Database;
class Dialogs;
class ResultListModel;
struct SearchStatement;

// The name search (debounced on the pattern box, at once on a preset or
// filter pick) and the full-text search, which fill the result list while
// the window keeps answering, and their cancellation. Only the latest
// search fills the list; Esc or a new keystroke stops a running one.
class Searches {
public:
    struct Controls {
        QComboBox* patternBox;
        QComboBox* categoryFilter;
        QComboBox* dllFilter;
        ResultListModel* resultModel;
        QLabel* statusLine;
        QTimer* searchDelay;
    };
    // `showFirstResult` is called after a name search that found something;
    // it shows the first entry as a user's pick of it would.
    Searches(const std::shared_ptr<Database>& catalogue, Dialogs& dialogs, Controls controls,
             std::function<void()> showFirstResult);

    // Name searches run only once the window has started.
    void markStarted() { started_ = true; }
    // The optional columns the full-text search looks in as well.
    void setOptionalColumns(const OptionalColumns& columns) { columns_ = columns; }
    void setFillSlice(std::chrono::nanoseconds slice) { fillSlice_ = slice; }
    // Stops a running search, keeping the entries it listed (Esc, closing).
    void cancel() { cancelled_ = true; }
    // True while a search is inside an engine statement that lets the window
    // work: the catalogue must not be used until the statement returns.
    bool insideStatement() const { return insideStatement_; }

    void patternEdited();
    void presetChosen();
    void searchDelayElapsed();
    void categoryFilterChosen();
    void dllFilterChosen();
    void searchNames();
    void searchFullText();

private:
    enum class RunEnd { Finished, Stopped, Failed };
    // Replaces the entries of the list by the rows of a search statement,
    // filling while the window stays responsive. Stopped: cancelled, or a
    // newer search took over. Failed: the engine failed on the way; the
    // rows listed before stay, the failure is shown once and the status
    // line says the search was cut short. A malformed pattern (or no
    // catalogue) leaves the list empty and counts as finished.
    RunEnd run(const SearchStatement& statement);

    const std::shared_ptr<Database>& catalogue_;
    Dialogs& dialogs_;
    Controls controls_;
    std::function<void()> showFirstResult_;
    OptionalColumns columns_;
    bool started_ = false;
    bool cancelled_ = false;
    bool insideStatement_ = false;
    // How long a search fills the list between two looks at the window's
    // input (Esc, typing, clicks): short enough that the window answers at
    // once, long enough that its own work stays small beside the filling.
    std::chrono::nanoseconds fillSlice_ = std::chrono::milliseconds(10);
    std::uint64_t runs_ = 0;  // searches started; only the latest may fill the list
};

}  // namespace tolvane
