#pragma once

#include "search_bench.h"

#include <map>
#include <string>
#include <vector>

namespace tolvane::bench {

// The label of the whole-process lookup in the table.
inline const std::string kFindLabel = "tolvane-find \"*\" (process)";

// Registers tolvane-find listing every name as a whole process (figure on the
// window's path) beside a plain SQLite process making the same list (on the
// plain path), from start to exit, for the catalogue sizes.
void registerProcessBenchmarks(const std::string& self, const std::string& folder,
                               const std::vector<int>& sizes,
                               std::map<std::string, FigureKey>& names);

// The plain SQLite process: prints the name of every record that has one,
// one per line, in ID order, as `tolvane-find --names --limit 0 '*'` does.
int plainFind(const std::string& catalogue);

}  // namespace tolvane::bench
