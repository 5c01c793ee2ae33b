#pragma once

#include <string>

namespace tolvane::bench {

// Builds (once) a catalogue file of `records` synthetic rows in `folder`
// and returns its path. Names look like real API names (verb, noun, maybe a
// second noun and a suffix; some constants and types); the text columns
// have the lengths of real records. The same count always gives the same
// rows.
std::string syntheticCatalogue(const std::string& folder, int records);

// The same rows as syntheticCatalogue(folder, records) in a table with no
// index at all and no key (as a conversion from an Access file leaves it),
// stored in a shuffled ID order; built once.
std::string unindexedCatalogue(const std::string& folder, int records);

// Total UTF-8 bytes of all names in a catalogue file.
long long nameBytes(const std::string& path);

}  // namespace tolvane::bench
