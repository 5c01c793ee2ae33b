// Catalogue engine figures that the search table does not show: the first
// row of an unbounded query, the memory of a recordset read to its end, the
// pattern matcher alone (over the largest synthetic catalogue), costly
// patterns through the engine, and how soon a running statement stops when
// the interrupt check asks it to.
#include "engine_bench.h"
#include "process_memory.h"
#include "synthetic_catalogue.h"

#include "core/lookup/jet_like.h"
#include "core/store/catalogue_builder.h"
#include "core/store/error.h"
#include "core/store/sqlite_engine.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>
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
        auto rs =
            db->openRecordset(QStringLiteral("SELECT name,ID FROM winfun WHERE name LIKE '*'"));
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

// A name search with a costly pattern, through the engine to the last row.
void costlyPattern(benchmark::State& state, const std::string& catalogue, const QString& pattern) {
    auto db = open(catalogue);
    const QString sql =
        QStringLiteral("SELECT name,ID FROM winfun WHERE name LIKE '*%1*'").arg(pattern);
    for (auto _ : state) {
        auto rs = db->openRecordset(sql);
        if (!rs->eof()) rs->moveLast();
    }
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

// Runs a statement that would take several seconds, with an interrupt check
// that lets it work for 300 ms and then says stop.
// Shows the longest gap between two questions of the check and how long the
// statement took to stop after the answer.
void stopLatency(benchmark::State& state, const std::string& catalogue, const QString& sql) {
    auto db = open(catalogue);
    for (auto _ : state) {
        QElapsedTimer clock;
        qint64 lastAsk = 0, longestGap = 0, stoppedAt = -1;
        clock.start();
        db->setInterruptCheck([&] {
            const qint64 now = clock.nsecsElapsed();
            longestGap = std::max(longestGap, now - lastAsk);
            lastAsk = now;
            if (now < 300'000'000) return false;
            stoppedAt = now;
            return true;
        });
        bool cancelled = false;
        try {
            auto rs = db->openRecordset(sql);
            if (!rs->eof()) rs->moveLast();
        } catch (const Error& e) {
            cancelled = e.number() == err::Cancelled;
        }
        if (!cancelled || stoppedAt < 0) state.SkipWithError("the statement was not cancelled");
        state.counters["longest_gap_ms"] = double(longestGap) / 1e6;
        state.counters["stop_ms"] = double(clock.nsecsElapsed() - stoppedAt) / 1e6;
    }
}

// A catalogue of one row whose explanation is 10 MB of text.
std::string tenMegabyteRow(const std::string& folder) {
    const QString path = QString::fromStdString(folder) + QStringLiteral("/ten-megabyte-row.mdb");
    if (!QFile::exists(path))
        createCatalogue(
            path, {},
            QStringLiteral("CREATE TABLE winfun (ID INTEGER PRIMARY KEY, name TEXT, explain TEXT);"
                           "INSERT INTO winfun VALUES (1, 'Big', replace(hex(zeroblob(5000000)), "
                           "'0', 'a'));"));
    return path.toStdString();
}

}  // namespace

void registerEngineBenchmarks(const std::string& catalogue) {
    const std::string folder = QFileInfo(QString::fromStdString(catalogue)).path().toStdString();
    for (const int records : {30000, 300000}) {
        const std::string file = syntheticCatalogue(folder, records);
        const std::string size = " at " + std::to_string(records);
        benchmark::RegisterBenchmark(("engine: 10000-item bracket list" + size).c_str(),
                                     costlyPattern, file, longBracketList())
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("engine: *a*a*a...*b, 300 stars" + size).c_str(),
                                     costlyPattern, file, manyStars())
            ->Unit(benchmark::kMillisecond);
    }
    // No search reaches a view; a self-join is the longest statement the
    // guard still lets through. On the 10 MB text: 200 listed characters
    // that never match, then long literals that nearly match everywhere.
    QString tenMegabyteSql = QStringLiteral("SELECT ID FROM winfun WHERE explain LIKE '*[");
    for (int i = 0; i < 200; ++i) tenMegabyteSql += QChar(0x4E00 + i);
    tenMegabyteSql += QStringLiteral("]*'");
    for (int i = 0; i < 10; ++i)
        tenMegabyteSql += QStringLiteral(" OR explain LIKE '*%1b*'").arg(QString(100 + i, u'a'));
    benchmark::RegisterBenchmark("engine: stop latency, endless join", stopLatency, catalogue,
                                 QStringLiteral("SELECT count(*) AS n FROM winfun a, winfun b"))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("engine: stop latency, 10 MB text", stopLatency,
                                 tenMegabyteRow(folder), tenMegabyteSql)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("engine: first row of all", firstRowOfAll, catalogue)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("engine: MoveLast over all", moveLastOverAll, catalogue)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("engine: pattern match of 1000000 names", patternMatchOnly)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace tolvane::bench
