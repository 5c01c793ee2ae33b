// Store figures that the search table does not show: the pattern matcher
// alone, costly patterns through the store, and how soon a running search
// stops when its cancel flag is raised (as Esc raises it).
#include "engine_bench.h"
#include "synthetic_catalogue.h"

#include "core/lookup/jet_pattern.h"
#include "core/lookup/search_requests.h"
#include "core/lookup/search_walk.h"
#include "core/store/catalogue_store.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace tolvane::bench {

namespace {

std::unique_ptr<CatalogueStore> open(const std::string& catalogue) {
    auto store = CatalogueStore::open(QString::fromStdString(catalogue));
    return store.ok() ? std::move(*store) : nullptr;
}

long long walk(CatalogueStore& store, const SearchRequest& request) {
    long long rows = 0;
    walkSearch(store, request, std::chrono::milliseconds(10), [&](ResultBatch& batch) {
        rows += batch.size();
        return true;
    });
    return rows;
}

// The pattern matcher alone over a million names in memory.
void patternMatchOnly(benchmark::State& state) {
    constexpr int kNames = 1000000;
    std::vector<std::string> names;
    names.reserve(kNames);
    for (int i = 0; i < kNames; ++i)
        names.push_back((i % 8 ? "GetObject" : "CreateWindow") + std::to_string(i) + "Ex");
    const auto pattern = JetPattern::compile(std::string_view("*window*"));
    for (auto _ : state) {
        int hits = 0;
        for (const std::string& name : names) hits += pattern->matches(name);
        benchmark::DoNotOptimize(hits);
    }
}

// A name search with a costly pattern, through the store to the last row.
void costlyPattern(benchmark::State& state, const std::string& catalogue, const QString& pattern) {
    auto store = open(catalogue);
    for (auto _ : state) benchmark::DoNotOptimize(walk(*store, nameSearch(pattern, 2, 0, {})));
}

QString longBracketList() {
    QString list = QStringLiteral("[");
    for (int i = 0; i < 10000; ++i) list += QChar(0x4E00 + i);
    return list + QLatin1Char(']');
}

QString manyStars() {
    QString stars;
    for (int i = 0; i < 300; ++i) stars += QStringLiteral("*a");
    return stars + QStringLiteral("*b");
}

// Runs a search that would take long, raises its cancel flag after 300 ms,
// and reports how long the search took to stop after that (Esc's latency).
void stopLatency(benchmark::State& state, const std::string& catalogue,
                 const SearchRequest& request) {
    auto store = open(catalogue);
    std::atomic<bool> cancel = false;
    store->setCancelFlag(&cancel);
    for (auto _ : state) {
        cancel = false;
        QElapsedTimer clock;
        clock.start();
        std::atomic<qint64> raisedAt = -1;
        std::thread esc([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            raisedAt = clock.nsecsElapsed();
            cancel = true;
        });
        const SearchEnd end = walkSearch(*store, request, std::chrono::milliseconds(10),
                                         [&](ResultBatch&) { return !cancel; });
        const qint64 stoppedAt = clock.nsecsElapsed();
        esc.join();
        if (raisedAt < 0 || stoppedAt < raisedAt) state.SkipWithError("the search ended first");
        state.counters["stop_ms"] = double(stoppedAt - raisedAt) / 1e6;
        benchmark::DoNotOptimize(end.skipped);
    }
}

// The record steps the window takes on one record in the middle of a
// catalogue, through the store: each is one statement.
void recordStep(benchmark::State& state, const std::string& catalogue, const std::string& step) {
    auto store = open(catalogue);
    const qint64 middle = *store->last()->id() / 2;
    const Record shown = *store->record(middle);
    const FoundRow listed{.name = {}, .id = middle, .rowid = shown.rowid()};
    for (auto _ : state) {
        Result<Record> record = Status(StatusCode::NoCurrentRecord);
        if (step == "first")
            record = store->first();
        else if (step == "last")
            record = store->last();
        else if (step == "next")
            record = store->after(shown);
        else if (step == "previous")
            record = store->before(shown);
        else if (step == "record by ID")
            record = store->record(middle);
        else if (step == "listed record (by rowid)")
            record = store->record(listed);
        else
            store->save(shown, shown, ColumnSet::all());
        benchmark::DoNotOptimize(record);
    }
}

// The file's bytes, to show that stepping wrote nothing into it.
QByteArray contents(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

void registerEngineBenchmarks(const std::string& folder) {
    for (const int records : {30000, 300000}) {
        const std::string file = syntheticCatalogue(folder, records);
        const std::string size = " at " + std::to_string(records);
        benchmark::RegisterBenchmark(("store: 10000-item bracket list" + size).c_str(),
                                     costlyPattern, file, longBracketList())
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("store: *a*a*a...*b, 300 stars" + size).c_str(),
                                     costlyPattern, file, manyStars())
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("store: stop latency, 300 stars at 300000", stopLatency,
                                 syntheticCatalogue(folder, 300000), fullTextSearch(manyStars()))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("store: pattern match of 1000000 names", patternMatchOnly)
        ->Unit(benchmark::kMillisecond);
    for (const auto& [kind, file] :
         {std::pair{std::string("ID as primary key"), syntheticCatalogue(folder, 100000)},
          std::pair{std::string("no index"), unindexedCatalogue(folder, 100000)}})
        for (const char* step : {"first", "last", "next", "previous", "record by ID",
                                 "listed record (by rowid)", "unchanged save"})
            benchmark::RegisterBenchmark(
                ("store: " + std::string(step) + " at 100000, " + kind).c_str(),
                [file, step](benchmark::State& state) {
                    const QByteArray before = contents(file);
                    recordStep(state, file, step);
                    if (contents(file) != before) state.SkipWithError("the file changed");
                })
                ->Unit(benchmark::kMillisecond);
}

}  // namespace tolvane::bench
