#include "gui/searches.h"

#include "core/lookup/search_query.h"
#include "core/lookup/search_walk.h"
#include "core/store/engine.h"
#include "core/store/error.h"
#include "core/system/dialogs.h"
#include "gui/result_fill.h"
#include "gui/result_list.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace tolvane {

namespace {

// The catalogue's interrupt check for as long as a search runs.
class InterruptCheck {
public:
    InterruptCheck(Database& db, std::function<bool()> check) : db_(db) {
        db_.setInterruptCheck(std::move(check));
    }
    ~InterruptCheck() { db_.setInterruptCheck({}); }
    InterruptCheck(const InterruptCheck&) = delete;
    InterruptCheck& operator=(const InterruptCheck&) = delete;

private:
    Database& db_;
};

}  // namespace

Searches::Searches(const std::shared_ptr<Database>& catalogue, Dialogs& dialogs, Controls controls,
                   std::function<void()> showFirstResult)
    : catalogue_(catalogue),
      dialogs_(dialogs),
      controls_(controls),
      showFirstResult_(std::move(showFirstResult)) {}

void Searches::patternEdited() {
    cancelled_ = true;
    controls_.searchDelay->start();  // restarts the countdown
}

void Searches::presetChosen() { searchNames(); }

void Searches::searchDelayElapsed() {
    // Stopped before searching, so an edit made during the search restarts
    // the countdown and is searched in its turn.
    controls_.searchDelay->stop();
    cancelled_ = false;
    searchNames();
}

void Searches::categoryFilterChosen() {
    if (!controls_.patternBox->currentText().isEmpty()) searchNames();
}

void Searches::dllFilterChosen() {
    if (!controls_.patternBox->currentText().isEmpty()) searchNames();
}

void Searches::searchNames() {
    cancelled_ = false;
    const QString pattern = controls_.patternBox->currentText();
    if (pattern.isEmpty() || !started_) return;
    controls_.statusLine->setText(searchingText());
    const QComboBox* dll = controls_.dllFilter;
    if (run(nameSearchQuery(pattern, controls_.categoryFilter->currentIndex(), dll->currentIndex(),
                            dll->currentText())) != RunEnd::Finished)
        return;
    controls_.statusLine->setText(countText(controls_.resultModel->count()));
    if (controls_.resultModel->count() > 0) showFirstResult_();
}

// Lists the matches and nothing else: the status line, the selection and
// the record on view stay as they were. A name search still waiting for the
// typing to pause is dropped: it would replace what the user asked for.
void Searches::searchFullText() {
    controls_.searchDelay->stop();
    cancelled_ = false;
    run(fullTextQuery(controls_.patternBox->currentText(), columns_));
}

// The rows are read part by part in the store's ID order, each part a run
// of IDs that takes about one slice to read (see walkSearch). The window
// gets its turn between rows and, through the interrupt check, inside
// any engine statement that works for long (a costly pattern, a damaged or
// hostile file). Handlers that need the catalogue wait for the statement to
// return (see insideStatement).
Searches::RunEnd Searches::run(const SearchStatement& statement) {
    const std::uint64_t run = ++runs_;
    // The search keeps the catalogue open even if the window closes while
    // it yields; the list and this object go with the window.
    const std::shared_ptr<Database> db = catalogue_;
    ResultListModel& list = *controls_.resultModel;
    const QPointer<ResultListModel> alive(&list);
    const auto stopped = [&] { return !alive || runs_ != run || cancelled_; };
    ResultFill fill(list, fillSlice_, [&] {
        QCoreApplication::processEvents();
        if (!alive || runs_ != run) return FillStep::Abandon;
        return cancelled_ ? FillStep::Stop : FillStep::GoOn;
    });
    if (!db) {
        list.clear();
        return RunEnd::Finished;
    }
    const InterruptCheck check(*db, [&] {
        insideStatement_ = true;
        QCoreApplication::processEvents();
        if (!alive) return true;  // gone with the window
        insideStatement_ = false;
        return stopped();
    });
    bool cleared = false;
    const auto clearOnce = [&] {
        if (!cleared) list.clear();
        cleared = true;
    };
    try {
        const auto fillPart = [&](Recordset& part) {
            clearOnce();
            return fill.add(part) == FillEnd::Finished;
        };
        if (walkSearch(*db, statement, fillSlice_, fillPart) == WalkEnd::Stopped)
            return RunEnd::Stopped;
        clearOnce();
        fill.finish();
    } catch (const Error& e) {
        if (e.number() == err::Cancelled || stopped()) {
            if (alive && runs_ == run) {  // Esc: what was read stays listed
                clearOnce();
                fill.finish();
            }
            return RunEnd::Stopped;
        }
        clearOnce();
        if (e.number() == err::InvalidPattern) return RunEnd::Finished;
        fill.finish();  // what was found before the failure stays listed
        controls_.statusLine->setText(cutShortText(list.count()));
        dialogs_.messageBox(e.description(), Buttons::Ok, Icon::Critical);
        return RunEnd::Failed;
    }
    if (fill.skipped() > 0)
        dialogs_.messageBox(skippedIdsText(fill.skipped()), Buttons::Ok, Icon::Critical);
    return RunEnd::Finished;
}

}  // namespace tolvane
