#pragma once

#include <string>

namespace tolvane::bench {

// Registers the engine's own benchmarks over a catalogue file.
void registerEngineBenchmarks(const std::string& catalogue);

}  // namespace tolvane::bench
