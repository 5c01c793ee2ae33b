#pragma once

#include "core/lookup/search_walk.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace tolvane {

class CatalogueStore;
class Dialogs;
class ResultBatch;
class ResultListModel;
class ResultListView;
class SearchWorker;
struct SearchRequest;

// The search side of the window and its controls: the pattern box with its
// presets, the category and DLL filters, the full-text button, the result
// list and the status line. The name search runs half a second after the
// last keystroke, or at once on a preset or filter pick; searches run on a
// worker thread and fill the list batch by batch while the window keeps
// answering. Esc or a new keystroke stops a running search; only the latest
// search fills the list.
class SearchPanel : public QObject {
    Q_OBJECT
public:
    // Creates the controls on `window` at their places.
    SearchPanel(QWidget& window, Dialogs& dialogs);
    ~SearchPanel() override;

    // Start-up, once the catalogue is open: fills the filters (the DLL filter
    // with the fixed entries, then the catalogue's other spellings) and the
    // presets; searches read through `reader` from then on.
    void start(std::unique_ptr<CatalogueStore> reader, const QStringList& dllSpellings);
    // Searches read through `reader` from now on; a running one stops.
    void useReader(std::unique_ptr<CatalogueStore> reader);
    // Name searches run only once the window has started.
    void markStarted() { started_ = true; }
    // How long the worker reads between two batches (10 ms by default); zero
    // hands over every row on its own, one batch on its way at a time.
    void setFillSlice(std::chrono::nanoseconds slice) { fillSlice_ = slice; }
    // Stops a running search, keeping the entries it listed (Esc).
    void cancel();
    // Stops every search and lets go of the catalogue (the window closes).
    void close();
    // Puts the focus into the pattern box with its text selected.
    void focusPattern();
    // Whether a search is running.
    bool searching() const { return running_ != 0; }

    // Asked before a chosen entry replaces the record on view; false keeps
    // the record, and the list returns to the entry that showed it.
    void setLeaveCheck(std::function<bool()> check) { leaveCheck_ = std::move(check); }

    // Gives the controls of fixed colours text readable on them in the
    // window's palette; again whenever that changes.
    void applyColours();

    // The controls the window's tab order runs through, in that order.
    QList<QWidget*> tabOrder() const;

signals:
    // An entry was chosen: clicked, reached with the keyboard, or shown as
    // the first result of a name search: its ID and its row's identity
    // (rows sharing an ID each show themselves).
    void entryChosen(qint64 id, qint64 rowid);

private:
    void createControls(QWidget& window);
    void patternEdited();
    void searchDelayElapsed();
    void filterChosen();
    void searchNames();
    void searchFullText();
    void run(const SearchRequest& request, bool nameSearch);
    void rowsFound(quint64 search, const ResultBatch& batch);
    void searchEnded(quint64 search, const SearchEnd& end);
    void clearList();
    void resultChosen();
    void selectResult(int row);

    Dialogs& dialogs_;
    QComboBox* patternBox_ = nullptr;
    QComboBox* categoryFilter_ = nullptr;
    QComboBox* dllFilter_ = nullptr;
    QPushButton* fullTextButton_ = nullptr;
    ResultListView* resultList_ = nullptr;
    ResultListModel* resultModel_ = nullptr;
    QLabel* statusLine_ = nullptr;
    QTimer* searchDelay_ = nullptr;
    std::unique_ptr<SearchWorker> worker_;
    std::chrono::nanoseconds fillSlice_ = std::chrono::milliseconds(10);
    std::function<bool()> leaveCheck_;
    int shownRow_ = -1;  // the entry whose record is on view, -1 when none
    bool started_ = false;
    quint64 searches_ = 0;     // searches started
    quint64 running_ = 0;      // the search filling the list, 0 when none
    bool nameSearch_ = false;  // the running search is a name search
    bool listed_ = false;      // the running search has listed rows
};

}  // namespace tolvane
