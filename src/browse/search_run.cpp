// Filling the result list from a search statement, shared by both searches.
#include "browse/form1.h"
#include "browse/result_fill.h"
#include "browse/result_list.h"
#include "browse/search_query.h"
#include "platform/engine.h"
#include "platform/error.h"

#include <QCoreApplication>
#include <QPointer>

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
    const double wanted =
        static_cast<double>(span) * static_cast<double>(slice.count()) / static_cast<double>(std::max<qint64>(tookNs, 1));
    return std::clamp(static_cast<qlonglong>(std::min(wanted, static_cast<double>(kMaxSpan))),
                      std::max(kMinSpan, span / 4), std::min(kMaxSpan, span * 4));
}

std::optional<qlonglong> firstId(Database& db, std::optional<qlonglong> from) {
    const QVariant id = db.openRecordset(firstIdQuery(from))->field(QStringLiteral("v"));
    if (id.isNull()) return std::nullopt;
    return id.toLongLong();
}

}  // namespace

// The rows are read part by part in ascending ID (the catalogue's own order),
// each part a range of IDs that takes about one slice to read. So no single
// engine call keeps the window waiting long, even while few rows match, and
// the engine holds the rows of one part only.
bool Form1::runSearch(const SearchStatement& statement) {
    const std::uint64_t run = ++searchRuns_;
    // The search keeps the catalogue open even if the window closes while
    // it yields.
    const std::shared_ptr<Database> db = Db;
    const QPointer<Form1> alive(this);
    ResultFill fill(*LItems, FillSlice, [&] {
        QCoreApplication::processEvents();
        if (!alive || searchRuns_ != run) return FillStep::Abandon;
        return CancelSearch ? FillStep::Stop : FillStep::GoOn;
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
            if (!cleared) LItems->clear();
            cleared = true;
            if (fill.add(*rows) != FillEnd::Finished) return false;
            if (!end) break;
            span = nextSpan(span, took.nsecsElapsed(), FillSlice);
            first = firstId(*db, *end);
        }
        if (!cleared) LItems->clear();
        fill.finish();
    } catch (const Error&) {
        // Failures arise only between two turns of the window, so this is
        // still the latest search; it ends quietly with nothing listed.
        LItems->clear();
    }
    return true;
}

}  // namespace tolvane
