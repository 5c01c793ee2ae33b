#include "core/lookup/search_walk.h"

#include "core/store/catalogue_store.h"

#include <algorithm>

namespace tolvane {
namespace {

// IDs per part at first: the list shows something at once.
constexpr qint64 kFirstPart = 256;
constexpr qint64 kMinPart = 64;
constexpr qint64 kMaxPart = qint64{1} << 20;
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

SearchEnd walkRows(CatalogueStore& store, const SearchRequest& request,
                   std::chrono::nanoseconds slice, RowSink& sink) {
    SearchEnd end;
    SearchParts parts = store.search(request);
    bool goOn = true;
    const auto take = [&](const FoundRow& row) {
        if (!row.id) {
            ++end.skipped;
            return true;
        }
        return goOn = sink.row(row);
    };
    for (qint64 ids = kFirstPart;;) {
        const Clock::time_point started = Clock::now();
        const Result<bool> more = parts.next(ids, take);
        if (!more.ok()) {
            // What was read before a failure is handed over; a malformed
            // pattern reads nothing.
            end.status = more.status();
            if (end.status.code() != StatusCode::InvalidPattern) sink.partRead();
            return end;
        }
        if (!goOn || !sink.partRead() || !*more) return end;
        ids = nextPart(ids, Clock::now() - started, slice);
    }
}

SearchEnd walkSearch(CatalogueStore& store, const SearchRequest& request,
                     std::chrono::nanoseconds slice,
                     const std::function<bool(ResultBatch&)>& deliver) {
    // Gathers rows into batches and hands one over after each part and
    // whenever the slice has passed.
    class Batches final : public RowSink {
    public:
        Batches(std::chrono::nanoseconds slice, const std::function<bool(ResultBatch&)>& deliver)
            : slice_(slice), deliver_(deliver), rowsPerClock_(slice.count() == 0 ? 1 : 256) {}
        bool row(const FoundRow& row) override {
            batch_.add(row);
            if (++sinceClock_ < rowsPerClock_) return true;
            sinceClock_ = 0;
            return Clock::now() - delivered_ < slice_ || handOver();
        }
        bool partRead() override { return handOver(); }

    private:
        bool handOver() {
            delivered_ = Clock::now();
            const int handed = batch_.size();
            const bool goOn = deliver_(batch_);
            batch_ = ResultBatch(handed);  // the next batch is about as large
            return goOn;
        }

        std::chrono::nanoseconds slice_;
        const std::function<bool(ResultBatch&)>& deliver_;
        const int rowsPerClock_;
        int sinceClock_ = 0;
        Clock::time_point delivered_ = Clock::now();
        ResultBatch batch_;
    } batches(slice, deliver);
    return walkRows(store, request, slice, batches);
}

}  // namespace tolvane
