// The files a benchmark checks: what an operation wrote, read back whole.
#pragma once

#include <string>
#include <vector>

namespace velmora::bench {

// The names of the files (not directories) in the directory.
std::vector<std::string> FilesIn(const std::string& directory);
std::string ReadBytes(const std::string& path);

}  // namespace velmora::bench
