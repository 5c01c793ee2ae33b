#include "core/lookup/search_walk.h"

#include "core/store/catalogue_store.h"

#include <algorithm>

namespace tolvane {
namespace {

// IDs per part at first: the list shows something at once.
constexpr qint64 kFirstPart = 256;
constexpr qint64 kMinPart = 64;
constexpr qint64 kMaxPart = qint64{1} << 20;
// Rows between two looks at the clock.
constexpr int kRowsPerClockRead = 256;

using Clock = std::chrono::steady_clock;

qint64 nextPart(qint64 ids, Clock::duration took, std::chrono::nanoseconds slice) {
    const double wanted =
        static_cast<double>(ids) * static_cast<double>(slice.count()) /
        static_cast<double>(std::max<qint64>(
            std::chrono::duration_cast<std::chrono::nanoseconds>(took).count(), 1));
    return std::clamp(static_cast<qint64>(std::min(wanted, static_cast<double>(kMaxPart))),
                      std::max(kMinPart, ids / 4), std::min(kMaxPart, ids * 4));
}

}  // namespace

SearchEnd walkSearch(CatalogueStore& store, const SearchRequest& request,
                     std::chrono::nanoseconds slice,
                     const std::function<bool(ResultBatch&)>& deliver) {
    SearchEnd end;
    SearchParts parts = store.search(request);
    ResultBatch batch;
    Clock::time_point delivered = Clock::now();
    bool goOn = true;
    // Hands the batch over when the slice has passed (or at once when
    // `due`); false ends the walk.
    const auto handOver = [&](Clock::time_point now, bool due) {
        if (!due && now - delivered < slice) return true;
        delivered = now;
        goOn = deliver(batch);
        batch = {};
        return goOn;
    };
    int sinceClock = 0;
    const int rowsPerClock = slice.count() == 0 ? 1 : kRowsPerClockRead;
    const auto take = [&](const FoundRow& row) {
        if (row.id)
            batch.add(row);
        else
            ++end.skipped;
        if (++sinceClock < rowsPerClock) return true;
        sinceClock = 0;
        return handOver(Clock::now(), false);
    };
    for (qint64 ids = kFirstPart;;) {
        const Clock::time_point started = Clock::now();
        const Result<bool> more = parts.next(ids, take);
        if (!more.ok()) {
            end.status = more.status();
            break;
        }
        if (!goOn || !*more) break;
        const Clock::time_point now = Clock::now();
        if (!handOver(now, true)) break;
        ids = nextPart(ids, now - started, slice);
    }
    if (goOn && end.status.code() != StatusCode::InvalidPattern) deliver(batch);
    return end;
}

}  // namespace tolvane
