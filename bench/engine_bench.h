#pragma once

#include <string>

namespace tolvane::bench {

// Registers the store's own benchmarks: the pattern matcher alone, costly
// patterns, and how soon a search stops once cancelled.
void registerEngineBenchmarks(const std::string& folder);

}  // namespace tolvane::bench
