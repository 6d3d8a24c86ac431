// The restore: every stored icon back where the layout file says, then a check of where they are.
#pragma once

#include <windows.h>

#include "app/layout/layout_reader.h"
#include "app/restore/restore_host.h"

namespace velmora {

enum class RestoreStatus {
    kDone,         // the pass ran; UnrestoredShortcuts, MissingFiles and NotLandedIcons say what it could not do
    kNoDesktop,    // the desktop's list view cannot be found or read; nothing moved
    kAutoArrange,  // the shell would ignore every move; nothing moved
    kStopped,      // the host stopped it (its window was closed)
};

// Empties SavedIcons, finds the desktop's list view and restores the layout on it.
RestoreStatus RestoreDesktopIcons(const StoredLayout& layout, RestoreHost& host) noexcept;

// The pass on a list view that is known: each entry checked (its file, its shortcut, which may be
// re-created) and placed, then the desktop read again to see where each icon landed.
RestoreStatus RestoreIconPositions(HWND listView, const StoredLayout& layout, RestoreHost& host) noexcept;

// The layout's entries into SavedIcons, kinds without their brackets.
void LoadSavedIcons(const StoredLayout& layout) noexcept;

}  // namespace velmora
