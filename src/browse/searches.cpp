#include "browse/searches.h"

#include "browse/result_fill.h"
#include "browse/result_list.h"
#include "browse/search_query.h"
#include "platform/engine.h"
#include "platform/error.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace tolvane {

namespace {

// IDs per part at first; each next part is sized so that reading it takes
// about one fill slice, changing at most fourfold from one part to the next.
constexpr qlonglong kFirstSpan = 4096;
constexpr qlonglong kMinSpan = 256;
constexpr qlonglong kMaxSpan = qlonglong{1} << 22;
constexpr qlonglong kLastId = std::numeric_limits<qlonglong>::max();

qlonglong nextSpan(qlonglong span, qint64 tookNs, std::chrono::nanoseconds slice) {
    const double wanted = static_cast<double>(span) * static_cast<double>(slice.count()) /
                          static_cast<double>(std::max<qint64>(tookNs, 1));
    return std::clamp(static_cast<qlonglong>(std::min(wanted, static_cast<double>(kMaxSpan))),
                      std::max(kMinSpan, span / 4), std::min(kMaxSpan, span * 4));
}

std::optional<qlonglong> firstId(Database& db, std::optional<qlonglong> from) {
    const QVariant id = db.openRecordset(firstIdQuery(from))->field(QStringLiteral("v"));
    if (id.isNull()) return std::nullopt;
    return id.toLongLong();
}

}  // namespace

Searches::Searches(const std::shared_ptr<Database>& catalogue, Controls controls,
                   std::function<void()> showFirstResult)
    : catalogue_(catalogue), controls_(controls), showFirstResult_(std::move(showFirstResult)) {}

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
    if (!run(nameSearchQuery(pattern, controls_.categoryFilter->currentIndex(), dll->currentIndex(),
                             dll->currentText())))
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
    run(fullTextQuery(controls_.patternBox->currentText()));
}

// The rows are read part by part in ascending ID (the catalogue's own order),
// each part a range of IDs that takes about one slice to read. So no single
// engine call keeps the window waiting long, even while few rows match, and
// the engine holds the rows of one part only.
bool Searches::run(const SearchStatement& statement) {
    const std::uint64_t run = ++runs_;
    // The search keeps the catalogue open even if the window closes while
    // it yields; the list and this object go with the window.
    const std::shared_ptr<Database> db = catalogue_;
    ResultListModel& list = *controls_.resultModel;
    const QPointer<ResultListModel> alive(&list);
    ResultFill fill(list, fillSlice_, [&] {
        QCoreApplication::processEvents();
        if (!alive || runs_ != run) return FillStep::Abandon;
        return cancelled_ ? FillStep::Stop : FillStep::GoOn;
    });
    try {
        if (!db) throw Error(err::EngineFailure);
        bool cleared = false;
        qlonglong span = kFirstSpan;
        for (auto first = firstId(*db, std::nullopt); first;) {
            QElapsedTimer took;
            took.start();
            // The last part reaches the highest possible ID.
            const std::optional<qlonglong> end =
                *first > kLastId - span ? std::nullopt : std::optional<qlonglong>(*first + span);
            const std::unique_ptr<Recordset> rows = db->openRecordset(statement.part(*first, end));
            if (!cleared) list.clear();
            cleared = true;
            if (fill.add(*rows) != FillEnd::Finished) return false;
            if (!end) break;
            span = nextSpan(span, took.nsecsElapsed(), fillSlice_);
            first = firstId(*db, *end);
        }
        if (!cleared) list.clear();
        fill.finish();
    } catch (const Error&) {
        // Failures arise only between two turns of the window, so this is
        // still the latest search; it ends quietly with nothing listed.
        list.clear();
    }
    return true;
}

}  // namespace tolvane
