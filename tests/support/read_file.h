#pragma once
// The whole content of a file, "" when it cannot be read.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tolvane::test {

inline std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace tolvane::test
