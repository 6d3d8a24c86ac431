// The bytes of a layout backup file, read whole before anything is decided on them.
#pragma once

#include <optional>
#include <string>

namespace velmora {

// At most the first 64 MiB, which hold any desktop's layout; a longer file is cut there and fails the
// format check at the line that is missing. Others may read the file meanwhile. Nullopt when the
// path is empty or the file cannot be opened or read.
std::optional<std::string> ReadLayoutFile(const char* path) noexcept;

}  // namespace velmora
