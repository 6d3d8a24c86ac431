#include "bench/restore_baseline.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "bench/shell_icons.h"

namespace velmora::bench {
namespace {

// The icon each stored entry stands for: the k-th of its caption.
std::vector<int> MatchEntries(const StoredLayout& layout, const std::vector<ShellIcon>& icons) {
    std::unordered_map<std::string, std::vector<int>> byCaption;
    for (size_t i = 0; i < icons.size(); ++i)
        byCaption[icons[i].caption].push_back(static_cast<int>(i));
    std::unordered_map<std::string, size_t> seen;
    std::vector<int> matched;
    for (const StoredIcon& stored : layout.icons) {
        const std::vector<int>& sameCaption = byCaption[stored.caption];
        const size_t k = seen[stored.caption]++;
        matched.push_back(k < sameCaption.size() ? sameCaption[k] : -1);
    }
    return matched;
}

}  // namespace

bool BaselineRestore(const StoredLayout& layout) {
    const HWND listView = ShellListView();
    std::vector<ShellIcon> icons;
    if (!listView || !ReadShellIcons(listView, true, icons))
        return false;
    const std::vector<int> matched = MatchEntries(layout, icons);
    for (size_t entry = 0; entry < matched.size(); ++entry) {
        if (matched[entry] < 0)
            return false;
        const ShellIcon& icon = icons[static_cast<size_t>(matched[entry])];
        const int x = layout.icons[entry].rectangle.left + icon.position.x - icon.bounds.left;
        const int y = layout.icons[entry].rectangle.top + icon.position.y - icon.bounds.top;
        SendMessageA(listView, LVM_SETITEMPOSITION, static_cast<WPARAM>(matched[entry]),
                     MAKELPARAM(static_cast<short>(x), static_cast<short>(y)));
    }
    if (!ReadShellIcons(listView, true, icons))
        return false;
    for (size_t entry = 0; entry < matched.size(); ++entry) {
        const RECT& bounds = icons[static_cast<size_t>(matched[entry])].bounds;
        if (bounds.left != layout.icons[entry].rectangle.left || bounds.top != layout.icons[entry].rectangle.top)
            return false;
    }
    return true;
}

}  // namespace velmora::bench
