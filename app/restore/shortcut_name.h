// Which captions may name a shortcut file that the restore writes: a backup file is only data, and
// must never make Velmora write outside the desktop directory.
#pragma once

#include <string_view>

namespace velmora {

// A plain file name: not empty, not "." or "..", no path separator, drive colon, wildcard, quote,
// angle bracket, "|" or control character. The second byte of a double-byte character is part of
// the character, whatever its value.
bool IsPlainFileName(std::string_view caption) noexcept;

}  // namespace velmora
