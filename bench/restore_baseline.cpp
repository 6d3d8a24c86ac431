#include "bench/restore_baseline.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/desktop/list_view_records.h"
#include "app/desktop/remote_buffer.h"
#include "commands/kernel_handle.h"

namespace velmora::bench {
namespace {

constexpr size_t kTextBytes = 512;

struct ShellIcon {
    std::string caption;
    RECT bounds;
    POINT position;
};

HWND ShellListView() {
    const HWND worker = FindWindowA("WorkerW", "");
    const HWND defView = worker ? FindWindowExA(worker, nullptr, "SHELLDLL_DefView", nullptr) : nullptr;
    return defView ? FindWindowExA(defView, nullptr, "SysListView32", nullptr) : nullptr;
}

// One process open, three remote buffers, per item the text, rectangle and position requests.
bool ReadIcons(HWND listView, std::vector<ShellIcon>& icons) {
    DWORD processId = 0;
    GetWindowThreadProcessId(listView, &processId);
    const KernelHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (!process)
        return false;
    const RemoteBuffer record = RemoteBuffer::Allocate(process.get(), sizeof(ListViewItem64));
    const RemoteBuffer text = RemoteBuffer::Allocate(process.get(), kTextBytes);
    const RemoteBuffer rect = RemoteBuffer::Allocate(process.get(), sizeof(RECT));
    if (!record || !text || !rect)
        return false;
    const int count = static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    ListViewItem64 item = {};
    item.mask = LVIF_TEXT;
    item.textMax = kTextBytes;
    item.text = text.address();
    icons.clear();
    icons.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        item.item = i;
        char caption[kTextBytes] = {};
        ShellIcon icon = {{}, {LVIR_BOUNDS, 0, 0, 0}, {}};
        record.Write(&item, sizeof(item));
        SendMessageA(listView, LVM_GETITEMTEXTA, i, static_cast<LPARAM>(record.address()));
        text.Read(caption, sizeof(caption));
        rect.Write(&icon.bounds, sizeof(icon.bounds));
        SendMessageA(listView, LVM_GETITEMRECT, i, static_cast<LPARAM>(rect.address()));
        rect.Read(&icon.bounds, sizeof(icon.bounds));
        SendMessageA(listView, LVM_GETITEMPOSITION, i, static_cast<LPARAM>(rect.address()));
        rect.Read(&icon.position, sizeof(icon.position));
        icon.caption.assign(caption, strnlen(caption, kTextBytes - 1));
        icons.push_back(std::move(icon));
    }
    return true;
}

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
    if (!listView || !ReadIcons(listView, icons))
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
    if (!ReadIcons(listView, icons))
        return false;
    for (size_t entry = 0; entry < matched.size(); ++entry) {
        const RECT& bounds = icons[static_cast<size_t>(matched[entry])].bounds;
        if (bounds.left != layout.icons[entry].rectangle.left || bounds.top != layout.icons[entry].rectangle.top)
            return false;
    }
    return true;
}

}  // namespace velmora::bench
