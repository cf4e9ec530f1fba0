// A file's bytes, read whole, for tests that compare or load them.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace orv::test {

inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace orv::test
