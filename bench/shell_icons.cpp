#include "bench/shell_icons.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "app/desktop/list_view_records.h"
#include "app/desktop/remote_buffer.h"
#include "commands/kernel_handle.h"

namespace velmora::bench {
namespace {

constexpr size_t kTextBytes = 512;

}  // namespace

HWND ShellListView() {
    const HWND worker = FindWindowA("WorkerW", "");
    const HWND defView = worker ? FindWindowExA(worker, nullptr, "SHELLDLL_DefView", nullptr) : nullptr;
    return defView ? FindWindowExA(defView, nullptr, "SysListView32", nullptr) : nullptr;
}

bool ReadShellIcons(HWND listView, bool withPositions, std::vector<ShellIcon>& icons) {
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
    icons.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        item.item = i;
        char caption[kTextBytes] = {};
        ShellIcon icon;
        icon.bounds.left = LVIR_BOUNDS;
        record.Write(&item, sizeof(item));
        const auto length = SendMessageA(listView, LVM_GETITEMTEXTA, i, static_cast<LPARAM>(record.address()));
        text.Read(caption, sizeof(caption));
        rect.Write(&icon.bounds, sizeof(icon.bounds));
        SendMessageA(listView, LVM_GETITEMRECT, i, static_cast<LPARAM>(rect.address()));
        rect.Read(&icon.bounds, sizeof(icon.bounds));
        if (withPositions) {
            SendMessageA(listView, LVM_GETITEMPOSITION, i, static_cast<LPARAM>(rect.address()));
            rect.Read(&icon.position, sizeof(icon.position));
        }
        icon.caption.assign(
            caption, strnlen(caption, length < 0 ? 0 : std::min<size_t>(static_cast<size_t>(length), kTextBytes - 1)));
        icons.push_back(std::move(icon));
    }
    return true;
}

}  // namespace velmora::bench
