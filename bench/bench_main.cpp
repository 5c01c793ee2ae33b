// tolvane_bench [--sizes=30000,300000,1000000] [--dir=FOLDER] [benchmark flags]
// Builds the synthetic catalogues (kept in FOLDER for later runs), times
// every case, then prints one table with the window's overhead over the
// plain query and the memory that listing the largest catalogue takes.
#include "engine_bench.h"
#include "search_bench.h"
#include "synthetic_catalogue.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>

using namespace tolvane::bench;

namespace {

// Keeps each figure as it is reported, in milliseconds per run.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    CollectingReporter(const std::map<std::string, FigureKey>& names,
                       std::map<FigureKey, Figure>& figures)
        : names_(names), figures_(figures) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With --benchmark_repetitions the median stands for the case.
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            const std::string full = run.benchmark_name();
            const auto found = names_.find(full.substr(0, full.find('/')));
            if (found == names_.end() || run.error_occurred) continue;
            const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            auto counter = [&run](const char* name) {
                const auto it = run.counters.find(name);
                return it == run.counters.end() ? -1.0 : static_cast<double>(it->second);
            };
            figures_[found->second] = {run.GetAdjustedRealTime() * toMs,
                                       run.GetAdjustedCPUTime() * toMs, counter("entries"),
                                       counter("longest_pause_ms")};
        }
    }

private:
    const std::map<std::string, FigureKey>& names_;
    std::map<FigureKey, Figure>& figures_;
};

std::string machine() {
    QFile cpu(QStringLiteral("/proc/cpuinfo"));
    QByteArray model = "unknown CPU";
    if (cpu.open(QIODevice::ReadOnly))
        for (const QByteArray& line : cpu.readAll().split('\n'))
            if (line.startsWith("model name")) {
                model = line.mid(line.indexOf(':') + 1).trimmed();
                break;
            }
    std::ostringstream s;
    s << model.toStdString() << ", " << QThread::idealThreadCount() << " cores, Qt " << qVersion()
      << ", SQLite " << sqlite3_libversion();
    return s.str();
}

void printTable(const std::vector<int>& sizes, const std::map<FigureKey, Figure>& figures) {
    std::vector<std::string> labels;
    for (const auto& [key, ms] : figures)
        if (std::find(labels.begin(), labels.end(), std::get<1>(key)) == labels.end())
            labels.push_back(std::get<1>(key));
    std::printf(
        "\nms per run, wall clock (process CPU); pause: longest wait of input during the run\n"
        "%-8s %-19s %8s %19s %19s %19s %14s %6s\n",
        "records", "case", "entries", "window", "engine alone", "plain sqlite3", "window/sqlite3",
        "pause");
    for (const int records : sizes)
        for (const std::string& label : labels) {
            auto figure = [&](Path p) {
                const auto it = figures.find({records, label, p});
                return it == figures.end() ? Figure{} : it->second;
            };
            const Figure window = figure(Path::Window), engine = figure(Path::Engine),
                         raw = figure(Path::Raw);
            if (window.real < 0) continue;
            auto cell = [](const Figure& f) {
                char text[40];
                std::snprintf(text, sizeof text, "%.3f (%.3f)", f.real, f.cpu);
                return std::string(text);
            };
            char entries[16] = "", pause[16] = "";
            if (window.entries >= 0) std::snprintf(entries, sizeof entries, "%.0f", window.entries);
            if (window.longestPause >= 0)
                std::snprintf(pause, sizeof pause, "%.0f", window.longestPause);
            std::printf("%-8d %-19s %8s %19s %19s %19s %6.2f (%.2f) %6s\n", records, label.c_str(),
                        entries, cell(window).c_str(), cell(engine).c_str(), cell(raw).c_str(),
                        raw.real > 0 ? window.real / raw.real : 0.0,
                        raw.cpu > 0 ? window.cpu / raw.cpu : 0.0, pause);
        }
}

void printMemory(const char* self, const std::string& catalogue) {
    const std::string command = std::string(self) + " --memory-probe '" + catalogue + "'";
    FILE* probe = popen(command.c_str(), "r");
    char line[256] = {};
    long long entries = 0, before = 0, peak = 0, rss = 0, names = 0;
    const bool read = probe && std::fgets(line, sizeof line, probe) &&
                      std::sscanf(line, "entries=%lld before=%lld peak=%lld rss=%lld names=%lld",
                                  &entries, &before, &peak, &rss, &names) == 5;
    if (probe) pclose(probe);
    if (!read) {
        std::printf("\nmemory probe failed\n");
        return;
    }
    std::printf(
        "\nListing %lld records: peak memory %.1f MiB (%.1f MiB before the search, %.1f MiB after "
        "it);"
        " the names themselves are %.1f MiB\n",
        entries, peak / 1024.0, before / 1024.0, rss / 1024.0, names / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--memory-probe") == 0) {
        QApplication app(argc, argv);
        return memoryProbe(argv[2]);
    }
    std::vector<int> sizes = {30000, 300000, 1000000};
    std::string folder = (QDir::tempPath() + QStringLiteral("/tolvane-bench")).toStdString();
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--sizes=", 8) == 0) {
            sizes.clear();
            for (const QString& n : QString::fromLatin1(argv[i] + 8).split(u','))
                sizes.push_back(n.toInt());
        } else if (std::strncmp(argv[i], "--dir=", 6) == 0) {
            folder = argv[i] + 6;
        } else {
            rest.push_back(argv[i]);
        }
    }
    int restCount = static_cast<int>(rest.size());
    QApplication app(restCount, rest.data());

    std::fprintf(stderr, "Catalogues in %s (built on first use)\n", folder.c_str());
    std::map<std::string, FigureKey> names;
    registerSearchBenchmarks(folder, sizes, names);
    const std::string largest =
        sizes.empty() ? std::string()
                      : syntheticCatalogue(folder, *std::max_element(sizes.begin(), sizes.end()));
    if (!largest.empty()) registerEngineBenchmarks(largest);
    benchmark::Initialize(&restCount, rest.data());
    std::map<FigureKey, Figure> figures;
    CollectingReporter reporter(names, figures);
    benchmark::RunSpecifiedBenchmarks(&reporter);

    closeSession();
    std::printf("\nMachine: %s\n", machine().c_str());
    printTable(sizes, figures);
    if (!largest.empty()) printMemory(argv[0], largest);
    benchmark::Shutdown();
    return 0;
}
