// Catalogue engine figures that the search table does not show: the first
// row of an unbounded query, the memory of a recordset read to its end, and
// the pattern matcher alone. They run over the largest synthetic catalogue.
#include "engine_bench.h"
#include "process_memory.h"

#include "platform/jet_like.h"
#include "platform/sqlite_engine.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <string>
#include <vector>

namespace tolvane::bench {

namespace {

std::unique_ptr<Database> open(const std::string& catalogue) {
    return SqliteEngine().openDatabase(QString::fromStdString(catalogue));
}

// The "*" preset: the first row arrives without reading the rest.
void firstRowOfAll(benchmark::State& state, const std::string& catalogue) {
    auto db = open(catalogue);
    for (auto _ : state) {
        auto rs = db->openRecordset(QStringLiteral("SELECT name,ID FROM winfun WHERE name LIKE '*'"));
        benchmark::DoNotOptimize(rs->field(QStringLiteral("name")));
    }
}

// MoveLast keeps every row read; the counter shows how far the peak grew.
void moveLastOverAll(benchmark::State& state, const std::string& catalogue) {
    auto db = open(catalogue);
    const long long before = statusKiB("VmHWM:");
    for (auto _ : state) {
        auto rs = db->openRecordset(QStringLiteral("SELECT name,ID FROM winfun"));
        rs->moveLast();
        benchmark::DoNotOptimize(rs->field(QStringLiteral("ID")));
    }
    state.counters["peak_growth_MiB"] = double(statusKiB("VmHWM:") - before) / 1024.0;
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
        for (const std::string& name : names) hits += pattern.matches(name);
        benchmark::DoNotOptimize(hits);
    }
}

}  // namespace

void registerEngineBenchmarks(const std::string& catalogue) {
    benchmark::RegisterBenchmark("engine: first row of all", firstRowOfAll, catalogue)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("engine: MoveLast over all", moveLastOverAll, catalogue)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("engine: pattern match of 1000000 names", patternMatchOnly)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace tolvane::bench
