#include "app/desktop/desktop_list_view.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "app/desktop/list_view_records.h"
#include "app/dll_commands.h"
#include "app/desktop/remote_buffer.h"
#include "app/desktop/shell_process.h"

namespace velmora {
namespace {

constexpr size_t kTextBytes = 512;
// Long enough for a busy shell, short enough that a hung one does not freeze the tool.
constexpr UINT kShellTimeoutMs = 3000;

bool SendToShell(HWND listView, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) noexcept {
    return SendMessageTimeoutA(listView, message, wParam, lParam, SMTO_ABORTIFHUNG, kShellTimeoutMs, &result) != 0;
}

HWND ListViewOfDefView(HWND defView) noexcept {
    return defView ? CallDllCommand(kFindWindowExA, defView, nullptr, "SysListView32", nullptr) : nullptr;
}

HWND ListViewUnder(HWND parent) noexcept {
    return parent ? ListViewOfDefView(CallDllCommand(kFindWindowExA, parent, nullptr, "SHELLDLL_DefView", nullptr))
                  : nullptr;
}

// Every top-level window in z-order, taken at once: a walk with GetWindow over a z-order that changes
// meanwhile can visit windows again and again.
BOOL CALLBACK CollectTopWindow(HWND window, LPARAM windows) noexcept {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

HWND WalkFromFirstWorkerW() noexcept {
    const HWND first = CallDllCommand(kFindWindowA, "WorkerW", "");
    if (!first)
        return nullptr;
    std::vector<HWND> windows;
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&windows));
    const auto start = std::find(windows.begin(), windows.end(), first);
    HWND result = nullptr;
    for (auto window = start; window != windows.end(); ++window) {
        const HWND defView = CallDllCommand(kFindWindowExA, *window, nullptr, "SHELLDLL_DefView", nullptr);
        if (defView)
            result = ListViewOfDefView(defView);
    }
    return result;
}

HWND FromProgman() noexcept {
    const HWND progman = CallDllCommand(kFindWindowA, "Progman", nullptr);
    if (!progman)
        return nullptr;
    if (HWND list = ListViewUnder(progman))
        return list;
    for (HWND worker = CallDllCommand(kFindWindowExA, progman, nullptr, "WorkerW", nullptr); worker;
         worker = CallDllCommand(kFindWindowExA, progman, worker, "WorkerW", nullptr)) {
        if (HWND list = ListViewUnder(worker))
            return list;
    }
    return nullptr;
}

template <typename Record>
bool FitsPointerField(uint64_t address) noexcept {
    return address <= std::numeric_limits<decltype(Record::text)>::max();
}

// A message that timed out may still be under way in the shell, which then writes into the buffers
// after we gave up: they are left allocated (a few hundred bytes, once per such failure) rather than
// freed under the shell's hands.
struct ShellBuffers {
    RemoteBuffer record;
    RemoteBuffer text;
    RemoteBuffer rect;

    ReadStatus Abandon() noexcept {
        record.release();
        text.release();
        rect.release();
        return ReadStatus::kShellNotAnswering;
    }
};

template <typename Record>
ReadStatus ReadWithLayout(HWND listView, HANDLE process, std::vector<DesktopItem>& items, bool withPositions) noexcept {
    ShellBuffers buffers{RemoteBuffer::Allocate(process, sizeof(Record)), RemoteBuffer::Allocate(process, kTextBytes),
                         RemoteBuffer::Allocate(process, sizeof(RECT))};
    const RemoteBuffer& record = buffers.record;
    const RemoteBuffer& text = buffers.text;
    const RemoteBuffer& rect = buffers.rect;
    if (!record || !text || !rect || !FitsPointerField<Record>(text.address()))
        return ReadStatus::kNoBuffers;

    DWORD_PTR count = 0;
    if (!SendToShell(listView, LVM_GETITEMCOUNT, 0, 0, count))
        return buffers.Abandon();
    if (count > kMaxDesktopItems)
        return ReadStatus::kShellNotAnswering;

    Record item = {};
    item.mask = LVIF_TEXT;
    item.textMax = kTextBytes;
    item.text = static_cast<decltype(item.text)>(text.address());
    std::vector<DesktopItem> read;
    read.reserve(count);
    for (int32_t i = 0; i < static_cast<int32_t>(count); ++i) {
        item.item = i;
        item.subItem = 0;
        DWORD_PTR length = 0;
        char caption[kTextBytes] = {};
        if (!record.Write(&item, sizeof(item)))
            return ReadStatus::kShellNotAnswering;
        if (!SendToShell(listView, LVM_GETITEMTEXTA, i, static_cast<LPARAM>(record.address()), length))
            return buffers.Abandon();
        if (!text.Read(caption, sizeof(caption)))
            return ReadStatus::kShellNotAnswering;
        // Every request names LVIR_BOUNDS afresh, so no item gets the previous one's rectangle.
        RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
        DWORD_PTR found = 0;
        if (!rect.Write(&bounds, sizeof(bounds)))
            return ReadStatus::kShellNotAnswering;
        if (!SendToShell(listView, LVM_GETITEMRECT, i, static_cast<LPARAM>(rect.address()), found))
            return buffers.Abandon();
        if (!found || !rect.Read(&bounds, sizeof(bounds)))
            return ReadStatus::kShellNotAnswering;
        POINT position = {};
        if (withPositions) {
            if (!SendToShell(listView, LVM_GETITEMPOSITION, i, static_cast<LPARAM>(rect.address()), found))
                return buffers.Abandon();
            if (!found || !rect.Read(&position, sizeof(position)))
                return ReadStatus::kShellNotAnswering;
        }
        // At most 511 bytes: the list view may fill the whole buffer without a terminating zero.
        const size_t clipped = length < kTextBytes - 1 ? length : kTextBytes - 1;
        read.push_back({i, std::string(caption, strnlen(caption, clipped)), bounds, position});
    }
    items = std::move(read);
    return ReadStatus::kRead;
}

}  // namespace

HWND FindDesktopListView() noexcept {
    if (HWND list = WalkFromFirstWorkerW())
        return list;
    if (HWND list = ListViewUnder(GetShellWindow()))
        return list;
    return FromProgman();
}

ReadStatus ReadListViewItems(HWND listView, std::vector<DesktopItem>& items, bool withPositions) noexcept {
    DWORD processId = 0;
    if (!CallDllCommand(kGetWindowThreadProcessId, listView, &processId))
        return ReadStatus::kNoProcess;
    const ShellProcess process = ShellProcess::Open(processId);
    RecordLayout layout = RecordLayout::k64;
    if (!process || !RecordLayoutOf(process.get(), layout))
        return ReadStatus::kNoProcess;
    return layout == RecordLayout::k64 ? ReadWithLayout<ListViewItem64>(listView, process.get(), items, withPositions)
                                       : ReadWithLayout<ListViewItem32>(listView, process.get(), items, withPositions);
}

int32_t PackPosition(int32_t x, int32_t y) noexcept {
    return static_cast<int32_t>((static_cast<uint32_t>(x) & 0xFFFFu) | (static_cast<uint32_t>(y) << 16));
}

bool MoveListViewItem(HWND listView, int32_t index, int32_t x, int32_t y) noexcept {
    DWORD_PTR accepted = 0;
    return SendToShell(listView, LVM_SETITEMPOSITION, index, PackPosition(x, y), accepted) && accepted != 0;
}

}  // namespace velmora
