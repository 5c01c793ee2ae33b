#include "core/lookup/search_worker.h"

#include "core/store/catalogue_store.h"

#include <utility>

namespace tolvane {
namespace {
// Batches on their way to the receiver at most: enough to keep both threads
// busy, few enough that a slow receiver holds the search back.
constexpr int kBatchesInFlight = 3;
}  // namespace

SearchWorker::SearchWorker(std::unique_ptr<CatalogueStore> reader, QObject* parent)
    : QObject(parent), reader_(std::move(reader)) {
    qRegisterMetaType<ResultBatch>();
    qRegisterMetaType<SearchEnd>();
    reader_->setCancelFlag(&cancel_);
    thread_ = std::thread([this] { run(); });
}

SearchWorker::~SearchWorker() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
        cancel_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void SearchWorker::start(quint64 search, const SearchRequest& request,
                         std::chrono::nanoseconds slice) {
    {
        const std::lock_guard lock(mutex_);
        pending_ = Job{search, request, slice};
        cancel_ = true;  // the running search, if any
    }
    changed_.notify_all();
}

void SearchWorker::stop() {
    {
        const std::lock_guard lock(mutex_);
        pending_.reset();
        cancel_ = true;
    }
    changed_.notify_all();
}

void SearchWorker::batchTaken() {
    {
        const std::lock_guard lock(mutex_);
        --inFlight_;
    }
    changed_.notify_all();
}

// Waits for room on the way to the receiver; false once the search is to stop.
// The first batch goes even when it is empty: the receiver then knows that
// the search has read its first part.
bool SearchWorker::send(const Job& job, ResultBatch& batch, bool first) {
    if (batch.empty() && !first) return !cancel_;
    const int room = job.slice.count() == 0 ? 1 : kBatchesInFlight;
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return cancel_ || inFlight_ < room; });
    if (cancel_) return false;
    ++inFlight_;
    lock.unlock();
    batch.squeeze();  // the list keeps it as it is
    emit rowsFound(job.search, batch);
    return true;
}

void SearchWorker::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return quit_ || pending_.has_value(); });
        if (quit_) return;
        const Job job = std::move(*pending_);
        pending_.reset();
        cancel_ = false;
        lock.unlock();
        bool first = true;
        SearchEnd end = walkSearch(*reader_, job.request, job.slice, [&](ResultBatch& batch) {
            return send(job, batch, std::exchange(first, false));
        });
        if (cancel_ && end.status.ok()) end.status = Status(StatusCode::Cancelled);
        emit searchEnded(job.search, end);
        lock.lock();
    }
}

}  // namespace tolvane
