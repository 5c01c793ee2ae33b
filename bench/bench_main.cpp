// tolvane_bench [--sizes=30000,300000,1000000] [--startup-sizes=42000,1000000]
//               [--dir=FOLDER] [benchmark flags]
// Builds the synthetic catalogues (kept in FOLDER for later runs), times
// every case, then prints one table with the window's and tolvane-find's
// overhead over plain SQLite, the targets those ratios are held to, the
// memory that listing the largest catalogue takes, and the statements a
// save prepares.
#include "engine_bench.h"
#include "process_bench.h"
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

const char kUsage[] =
    "Usage: tolvane_bench [--sizes=N,...] [--startup-sizes=N,...] [--dir=FOLDER] "
    "[benchmark flags]\n"
    "Times the window, the store and plain SQLite on synthetic catalogues of N records\n"
    "(default 30000,300000,1000000; start-up at 42000,1000000), built once in FOLDER\n"
    "(default $TMPDIR/tolvane-bench), and prints the figures, their ratios and targets.\n"
    "Google Benchmark's flags (--benchmark_filter=REGEX, --benchmark_repetitions=N, ...)\n"
    "pass through.\n";

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

Figure figureOf(const std::map<FigureKey, Figure>& figures, int records, const std::string& label,
                Path path) {
    const auto it = figures.find({records, label, path});
    return it == figures.end() ? Figure{} : it->second;
}

void printTable(std::vector<int> sizes, const std::map<FigureKey, Figure>& figures) {
    for (const auto& [key, figure] : figures)
        if (std::find(sizes.begin(), sizes.end(), std::get<0>(key)) == sizes.end())
            sizes.push_back(std::get<0>(key));
    std::sort(sizes.begin(), sizes.end());
    std::vector<std::string> labels;
    for (const auto& [key, ms] : figures)
        if (std::find(labels.begin(), labels.end(), std::get<1>(key)) == labels.end())
            labels.push_back(std::get<1>(key));
    std::printf(
        "\nms per run, wall clock (process CPU); pause: longest wait of input during the run;\n"
        "for %s the window column is tolvane-find as a whole process and the plain one a\n"
        "plain SQLite process printing the same names\n"
        "%-8s %-27s %8s %19s %19s %19s %14s %6s\n",
        kFindLabel.c_str(), "records", "case", "entries", "window", "engine alone", "plain sqlite3",
        "window/sqlite3", "pause");
    for (const int records : sizes)
        for (const std::string& label : labels) {
            const Figure window = figureOf(figures, records, label, Path::Window),
                         engine = figureOf(figures, records, label, Path::Engine),
                         raw = figureOf(figures, records, label, Path::Raw);
            if (window.real < 0) continue;
            auto cell = [](const Figure& f) {
                char text[40] = "";
                if (f.real >= 0) std::snprintf(text, sizeof text, "%.3f (%.3f)", f.real, f.cpu);
                return std::string(text);
            };
            char entries[16] = "", pause[16] = "", ratio[24] = "";
            if (window.entries >= 0) std::snprintf(entries, sizeof entries, "%.0f", window.entries);
            if (window.longestPause >= 0)
                std::snprintf(pause, sizeof pause, "%.0f", window.longestPause);
            if (raw.real > 0)
                std::snprintf(ratio, sizeof ratio, "%6.2f (%.2f)", window.real / raw.real,
                              window.cpu / raw.cpu);
            std::printf("%-8d %-27s %8s %19s %19s %19s %14s %6s\n", records, label.c_str(), entries,
                        cell(window).c_str(), cell(engine).c_str(), cell(raw).c_str(), ratio,
                        pause);
        }
}

// Each target: a ratio of two figures of this run and the bound it must keep.
void printTargets(const std::vector<int>& sizes, const std::vector<int>& startUps,
                  const std::map<FigureKey, Figure>& figures) {
    std::printf("\nTargets (wall-clock ratios of figures of this run):\n");
    const auto line = [](const std::string& what, double a, double b, double bound) {
        if (a <= 0 || b <= 0) return;
        const double ratio = a / b;
        std::printf("  %-60s %6.2f  (at most %.1f: %s)\n", what.c_str(), ratio, bound,
                    ratio <= bound ? "met" : "NOT met");
    };
    for (const int n : sizes) {
        const std::string at = " at " + std::to_string(n);
        line("\"*\" in the window / plain sqlite3" + at,
             figureOf(figures, n, "\"*\" every record", Path::Window).real,
             figureOf(figures, n, "\"*\" every record", Path::Raw).real, 1.5);
        line("tolvane-find \"*\" process / plain sqlite3 process" + at,
             figureOf(figures, n, kFindLabel, Path::Window).real,
             figureOf(figures, n, kFindLabel, Path::Raw).real, 2.0);
        line("full text in the window / the same statement in sqlite3" + at,
             figureOf(figures, n, "full text \"handle\"", Path::Window).real,
             figureOf(figures, n, "full text \"handle\"", Path::Raw).real, 1.3);
    }
    if (startUps.size() >= 2)
        line("start-up at " + std::to_string(startUps.back()) + " / start-up at " +
                 std::to_string(startUps.front()),
             figureOf(figures, startUps.back(), "start-up", Path::Window).real,
             figureOf(figures, startUps.front(), "start-up", Path::Window).real, 1.3);
}

void printProbe(const char* self, const char* mode, const std::string& catalogue) {
    const std::string command = std::string(self) + " " + mode + " '" + catalogue + "'";
    FILE* probe = popen(command.c_str(), "r");
    char line[512] = {};
    const bool read = probe && std::fgets(line, sizeof line, probe);
    if (probe) pclose(probe);
    if (std::strcmp(mode, "--memory-probe") == 0) {
        long long entries = 0, before = 0, peak = 0, rss = 0, names = 0;
        if (!read || std::sscanf(line, "entries=%lld before=%lld peak=%lld rss=%lld names=%lld",
                                 &entries, &before, &peak, &rss, &names) != 5) {
            std::printf("\nmemory probe failed\n");
            return;
        }
        std::printf(
            "\nListing %lld records: peak memory %.1f MiB (%.1f MiB before the search, %.1f MiB "
            "after it); the names themselves are %.1f MiB\n",
            entries, peak / 1024.0, before / 1024.0, rss / 1024.0, names / 1024.0);
        return;
    }
    std::printf("Statements per save: %s", read ? line : "probe failed\n");
}

std::vector<int> sizesOf(const char* list) {
    std::vector<int> sizes;
    for (const QString& n : QString::fromLatin1(list).split(u',', Qt::SkipEmptyParts))
        sizes.push_back(n.toInt());
    return sizes;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);  // and nothing is built or written
            return 0;
        }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--plain-find") == 0) return plainFind(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--save-statements") == 0) {
        QCoreApplication app(argc, argv);
        return saveStatements(argv[2]);
    }
    if (argc == 3 && std::strcmp(argv[1], "--memory-probe") == 0) {
        QApplication app(argc, argv);
        return memoryProbe(argv[2]);
    }
    std::vector<int> sizes = {30000, 300000, 1000000}, startUps = {42000, 1000000};
    std::string folder = (QDir::tempPath() + QStringLiteral("/tolvane-bench")).toStdString();
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--sizes=", 8) == 0)
            sizes = sizesOf(argv[i] + 8);
        else if (std::strncmp(argv[i], "--startup-sizes=", 16) == 0)
            startUps = sizesOf(argv[i] + 16);
        else if (std::strncmp(argv[i], "--dir=", 6) == 0)
            folder = argv[i] + 6;
        else
            rest.push_back(argv[i]);
    }
    int restCount = static_cast<int>(rest.size());
    QApplication app(restCount, rest.data());

    std::fprintf(stderr, "Catalogues in %s (built on first use)\n", folder.c_str());
    std::map<std::string, FigureKey> names;
    registerSearchBenchmarks(folder, sizes, names);
    registerStartUpBenchmarks(folder, startUps, names);
    registerProcessBenchmarks(argv[0], folder, sizes, names);
    registerEngineBenchmarks(folder);
    benchmark::Initialize(&restCount, rest.data());
    std::map<FigureKey, Figure> figures;
    CollectingReporter reporter(names, figures);
    benchmark::RunSpecifiedBenchmarks(&reporter);

    closeSession();
    std::printf("\nMachine: %s\n", machine().c_str());
    printTable(sizes, figures);
    printTargets(sizes, startUps, figures);
    if (!sizes.empty()) {
        const std::string largest =
            syntheticCatalogue(folder, *std::max_element(sizes.begin(), sizes.end()));
        printProbe(argv[0], "--memory-probe", largest);
        printProbe(argv[0], "--save-statements", largest);
    }
    benchmark::Shutdown();
    return 0;
}
