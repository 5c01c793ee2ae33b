#include "process_bench.h"
#include "synthetic_catalogue.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <stdexcept>

extern char** environ;

namespace tolvane::bench {

namespace {

// Runs a program to its end with its output going nowhere.
void runToEnd(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error("cannot start " + arguments[0]);
    int status = 0;
    waitpid(pid, &status, 0);
}

void wholeProcess(benchmark::State& state, const std::vector<std::string>& arguments) {
    runToEnd(arguments);  // warms the file cache
    for (auto _ : state) runToEnd(arguments);
}

}  // namespace

void registerProcessBenchmarks(const std::string& self, const std::string& folder,
                               const std::vector<int>& sizes,
                               std::map<std::string, FigureKey>& names) {
    for (const int records : sizes) {
        const std::string path = syntheticCatalogue(folder, records);
        const std::pair<Path, std::vector<std::string>> runs[] = {
            {Path::Window, {TOLVANE_FIND, "--catalogue", path, "--names", "--limit", "0", "*"}},
            {Path::Raw, {self, "--plain-find", path}},
        };
        for (const auto& [through, arguments] : runs) {
            const std::string name = std::to_string(records) + ":" +
                                     (through == Path::Window ? "tolvane-find" : "sqlite") + ":" +
                                     kFindLabel;
            names[name] = {records, kFindLabel, through};
            benchmark::RegisterBenchmark(name.c_str(), wholeProcess, arguments)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(0.3);
        }
    }
}

int plainFind(const std::string& catalogue) {
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_open_v2(catalogue.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(db, "SELECT name FROM winfun WHERE name LIKE '%' ORDER BY ID", -1, &st,
                           nullptr) != SQLITE_OK)
        return 2;
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::fwrite(sqlite3_column_text(st, 0), 1, std::size_t(sqlite3_column_bytes(st, 0)),
                    stdout);
        std::fputc('\n', stdout);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return 0;
}

}  // namespace tolvane::bench
