// The desktop's icons are the items of a list view in the shell's process: finding it, reading every
// item's caption and rectangle across the process boundary, and moving an item.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

struct DesktopItem {
    int32_t index = 0;
    std::string caption;  // ANSI bytes, at most 511
    RECT bounds = {};     // LVIR_BOUNDS, in the list view's client coordinates
    // What LVM_SETITEMPOSITION takes: not the bounds' top-left corner but a point a few pixels off it,
    // by an offset that depends on the item. Read only when asked for.
    POINT position = {};
};

// The walk over the top-level windows from the first untitled "WorkerW" on, where the last window
// with a "SHELLDLL_DefView" decides; when that finds nothing, the view under the shell window,
// under "Progman", or under a "WorkerW" child of "Progman" (Windows 11 24H2 keeps it there).
// Looked up afresh every time: Explorer restarts and re-parents it.
HWND FindDesktopListView() noexcept;

enum class ReadStatus {
    kRead,
    kNoProcess,          // the shell's process cannot be opened or its bitness told
    kNoBuffers,          // memory in the shell's process cannot be had
    kShellNotAnswering,  // a message timed out, or a request failed
};

// Reads every item in item order, with its position when asked. Nothing is returned but a complete
// reading; a list view that claims more than kMaxDesktopItems items is not believed.
inline constexpr size_t kMaxDesktopItems = 100000;
ReadStatus ReadListViewItems(HWND listView, std::vector<DesktopItem>& items, bool withPositions = false) noexcept;

// The lParam of LVM_SETITEMPOSITION: x in the low 16 bits, y in the high 16 bits. x is masked, so a
// negative x (an icon on a monitor left of the primary one) cannot spill into y.
int32_t PackPosition(int32_t x, int32_t y) noexcept;

// True only when the list view took the new position: it refuses one, for instance, with auto-arrange on.
bool MoveListViewItem(HWND listView, int32_t index, int32_t x, int32_t y) noexcept;

}  // namespace velmora
