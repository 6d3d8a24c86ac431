// The runtime's table of open files (services 2011 to 2013): file objects with a one-byte kind.
#pragma once

#include <cstdint>

namespace velmora {

// The file's kind, or -1 when it is not listed.
int32_t OpenFileKind(uintptr_t file) noexcept;
// Appends the file unless it is already listed.
void RegisterOpenFile(uintptr_t file, uint8_t kind) noexcept;
// 1 when the file was listed and is removed, else 0.
int32_t UnregisterOpenFile(uintptr_t file) noexcept;

}  // namespace velmora
