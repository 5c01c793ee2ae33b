// Catalogue engine figures over a synthetic catalogue of 1 000 000 rows, one
// in eight of whose names contains "Window".
#include "platform/catalogue_builder.h"
#include "platform/jet_like.h"
#include "platform/sqlite_engine.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <string>
#include <vector>

namespace {

constexpr int kRows = 1000000;

const QString kRowsSql = QStringLiteral(
    "INSERT INTO winfun (name, class, libsclass) WITH RECURSIVE n(i) AS "
    "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
    "SELECT CASE i % 6 WHEN 0 THEN 'Get' WHEN 1 THEN 'Set' WHEN 2 THEN 'Create' "
    "WHEN 3 THEN 'Destroy' WHEN 4 THEN 'Enum' ELSE 'Query' END || "
    "CASE (i / 6) % 8 WHEN 0 THEN 'Window' WHEN 1 THEN 'Object' WHEN 2 THEN 'File' "
    "WHEN 3 THEN 'Process' WHEN 4 THEN 'Thread' WHEN 5 THEN 'Menu' WHEN 6 THEN 'Brush' "
    "ELSE 'Key' END || i || CASE i % 2 WHEN 0 THEN 'A' ELSE 'W' END, "
    "i % 17 - 1, 'user32' FROM n;");

// The catalogue file, built once per run.
const QString& cataloguePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        QFile schema(QStringLiteral(TOLVANE_SOURCE_DIR "/data/schema.sql"));
        schema.open(QIODevice::ReadOnly);
        const QString file = QDir(dir.path()).filePath(QStringLiteral("bench.mdb"));
        tolvane::createCatalogue(file, QString(),
                                 QString::fromUtf8(schema.readAll()) + kRowsSql.arg(kRows));
        return file;
    }();
    return path;
}

std::unique_ptr<tolvane::Database> openCatalogue() {
    return tolvane::SqliteEngine().openDatabase(cataloguePath());
}

long peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The name search: every matching row's name and ID, row by row.
void BM_NameSearchWindow(benchmark::State& state) {
    auto db = openCatalogue();
    std::int64_t rows = 0;
    for (auto _ : state) {
        rows = 0;
        auto rs = db->openRecordset("SELECT name,ID FROM winfun WHERE name LIKE '*Window*'");
        for (; !rs->eof(); rs->moveNext()) {
            benchmark::DoNotOptimize(rs->field("name"));
            benchmark::DoNotOptimize(rs->field("ID"));
            ++rows;
        }
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_NameSearchWindow)->Unit(benchmark::kMillisecond);

// The LIKE scan alone, without carrying rows out.
void BM_CountLikeWindow(benchmark::State& state) {
    auto db = openCatalogue();
    for (auto _ : state) {
        auto rs = db->openRecordset("SELECT count(*) AS n FROM winfun WHERE name LIKE '*Window*'");
        benchmark::DoNotOptimize(rs->field("n"));
    }
}
BENCHMARK(BM_CountLikeWindow)->Unit(benchmark::kMillisecond);

// The "*" preset: the first of a million rows arrives without reading the rest.
void BM_FirstRowOfAll(benchmark::State& state) {
    auto db = openCatalogue();
    for (auto _ : state) {
        auto rs = db->openRecordset("SELECT name,ID FROM winfun WHERE name LIKE '*'");
        benchmark::DoNotOptimize(rs->field("name"));
    }
}
BENCHMARK(BM_FirstRowOfAll)->Unit(benchmark::kMicrosecond);

// MoveLast keeps all million rows; the counter shows the process's peak.
void BM_MoveLastOverAll(benchmark::State& state) {
    auto db = openCatalogue();
    const long before = peakResidentKilobytes();
    for (auto _ : state) {
        auto rs = db->openRecordset("SELECT name,ID FROM winfun");
        rs->moveLast();
        benchmark::DoNotOptimize(rs->field("ID"));
    }
    state.counters["peak_rss_growth_MB"] = double(peakResidentKilobytes() - before) / 1024.0;
}
BENCHMARK(BM_MoveLastOverAll)->Unit(benchmark::kMillisecond)->Iterations(3);

// The pattern matcher alone over a million names in memory.
void BM_PatternMatchOnly(benchmark::State& state) {
    std::vector<std::string> names;
    names.reserve(kRows);
    for (int i = 0; i < kRows; ++i)
        names.push_back((i % 8 ? "GetObject" : "CreateWindow") + std::to_string(i) + "Ex");
    const auto pattern = tolvane::JetPattern::compile(std::string_view("*window*"));
    for (auto _ : state) {
        int hits = 0;
        for (const std::string& name : names) hits += pattern.matches(name);
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(BM_PatternMatchOnly)->Unit(benchmark::kMillisecond);

}  // namespace

// main() is bench_main.cpp's: every benchmark of the folder runs in one executable.
