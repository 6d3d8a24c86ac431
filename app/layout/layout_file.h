// The layout backup file's lines: the screen line, the count line and one item line per icon, each
// ended by CR LF, written to the open file whose file number the caller gives.
#pragma once

#include <cstdint>

#include "app/icon_entry.h"
#include "runtime/heap_block.h"

namespace velmora {

// "[ScreenRect:W/H]" with the primary screen's size now.
Text ScreenLine() noexcept;
// "[IconNum:N]".
Text CountLine(int32_t count) noexcept;
// kind|[caption]|[left/top/right/bottom], and |[target] for a shortcut.
Text ItemLine(const IconEntry& entry) noexcept;

// Appends the line at the end of the file.
bool WriteLayoutLine(int32_t file, const char* line) noexcept;
// One item line per entry of icons, in order; false at the first line that fails.
bool WriteIconLines(int32_t file, IconEntryArray& icons) noexcept;

}  // namespace velmora
