#pragma once

#include "core/lookup/result_batch.h"
#include "core/lookup/search_walk.h"
#include "core/store/search_parts.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace tolvane {

class CatalogueStore;

// Runs searches on a thread of its own, through a store of its own, and
// sends their rows to the thread that owns this object in batches. Starting
// a search stops the one running; stop() stops it without a new one. A
// stopped search's statement ends at once (its store's cancel flag), and it
// sends no further batch. The first batch of a search comes once it has
// read its first part, even when that holds no row. The receiver confirms
// each batch it has taken (batchTaken); at most a few are on their way at a
// time, one when the search hands over every row on its own.
class SearchWorker : public QObject {
    Q_OBJECT
public:
    explicit SearchWorker(std::unique_ptr<CatalogueStore> reader, QObject* parent = nullptr);
    ~SearchWorker() override;  // stops the search and ends the thread

    // Starts search number `search`, batches handed over every `slice`.
    void start(quint64 search, const SearchRequest& request, std::chrono::nanoseconds slice);
    void stop();
    void batchTaken();

signals:
    void rowsFound(quint64 search, const tolvane::ResultBatch& batch);
    void searchEnded(quint64 search, const tolvane::SearchEnd& end);

private:
    struct Job {
        quint64 search;
        SearchRequest request;
        std::chrono::nanoseconds slice;
    };
    void run();
    bool send(const Job& job, ResultBatch& batch, bool first);

    std::unique_ptr<CatalogueStore> reader_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> pending_;
    std::atomic<bool> cancel_ = false;
    bool quit_ = false;
    int inFlight_ = 0;
    std::thread thread_;
};

}  // namespace tolvane

Q_DECLARE_METATYPE(tolvane::SearchEnd)
