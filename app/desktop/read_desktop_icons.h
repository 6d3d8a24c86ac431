// Reading the desktop's icons into DesktopIcons, each classified against the desktop directories.
#pragma once

#include <windows.h>

namespace velmora {

// Empties DesktopIcons, then fills it with one entry per desktop item in item order. With a null
// list view it looks for the desktop's own. False, with DesktopIcons empty, when the desktop cannot
// be read (no list view, the shell's process cannot be opened, no memory in it, the shell does not
// answer). Writes nothing to any file.
bool ReadDesktopIcons(HWND listView) noexcept;

}  // namespace velmora
