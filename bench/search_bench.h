#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace tolvane::bench {

// What is timed: through the window (timer tick to list filled and first
// record shown), through the store alone, or as the plain SQLite query.
enum class Path { Window, Engine, Raw };

// One timed figure: records, case label, path.
using FigureKey = std::tuple<int, std::string, Path>;
// Milliseconds per run, wall clock and the process's CPU; for searches the
// entries listed and the longest time the window left input waiting.
struct Figure {
    double real = -1;
    double cpu = -1;
    double entries = -1;
    double longestPause = -1;
};

// Registers the window, store and plain SQLite cases for the catalogue
// sizes; `names` maps each benchmark's name to its figure's key.
void registerSearchBenchmarks(const std::string& folder, const std::vector<int>& sizes,
                              std::map<std::string, FigureKey>& names);

// Registers the window's start-up (open, fill the lists, show) for the sizes.
void registerStartUpBenchmarks(const std::string& folder, const std::vector<int>& sizes,
                               std::map<std::string, FigureKey>& names);

// Closes the window the benchmarks used (before the application ends).
void closeSession();

// Lists every record of a catalogue in the window and reports the memory it
// took: runs in a process of its own so that nothing else counts.
int memoryProbe(const std::string& catalogue);

// Statements the store prepares for the first save of a record and for each
// save after it, printed on one line.
int saveStatements(const std::string& catalogue);

}  // namespace tolvane::bench
