#include <windows.h>

#include <shlobj.h>

#include "commands/com_ptr.h"
#include "commands/command_values.h"
#include "commands/heap_buffer.h"
#include "commands/runtime_link.h"
#include "commands/shell_commands.h"
#include "runtime/heap.h"
#include "runtime/unique_handle.h"

namespace velmora {
namespace {

// Owns an item id list from the shell, freed with the shell's allocator.
struct ItemIdListTraits {
    using Handle = LPITEMIDLIST;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle list) noexcept {
        ComPtr<IMalloc> allocator;
        if (SUCCEEDED(SHGetMalloc(allocator.put()))) {
            allocator->Free(list);
        }
    }
};

using ItemIdList = UniqueHandle<ItemIdListTraits>;

struct DisabledWindow {
    HWND window;
    bool wasEnabled;
};

// Disables the program's top-level windows while the browser runs, as a modal dialog would, and
// gives every one its enabled state, the foreground and the activation back afterwards.
class ModalGuard {
  public:
    ModalGuard() noexcept {
        active_ = GetActiveWindow();
        if (!IsWindow(active_)) {
            active_ = nullptr;
        }
        foreground_ = GetForegroundWindow();
        const int32_t count = CallRuntimeService(kServiceWindowCount);
        for (int32_t i = 0; i < count; ++i) {
            const auto window =
                reinterpret_cast<HWND>(static_cast<uintptr_t>(CallRuntimeService(kServiceWindowHandle, i)));
            if (window != nullptr && IsWindow(window) && GetParent(window) == nullptr) {
                const DisabledWindow entry{window, IsWindowEnabled(window) != FALSE};
                windows_.Append(&entry, sizeof entry);
                EnableWindow(window, FALSE);
            }
        }
    }

    ~ModalGuard() {
        const auto* entries = reinterpret_cast<const DisabledWindow*>(windows_.get());
        for (uint32_t i = 0; i < windows_.size() / sizeof(DisabledWindow); ++i) {
            EnableWindow(entries[i].window, entries[i].wasEnabled ? TRUE : FALSE);
        }
        if (foreground_ != nullptr && IsWindow(foreground_)) {
            SetForegroundWindow(foreground_);
        }
        if (active_ != nullptr && IsWindow(active_)) {
            SetActiveWindow(active_);
        }
    }

    ModalGuard(const ModalGuard&) = delete;
    ModalGuard& operator=(const ModalGuard&) = delete;

    HWND owner() const noexcept { return active_; }

  private:
    HWND active_ = nullptr;
    HWND foreground_ = nullptr;
    HeapBuffer windows_;
};

}  // namespace

void BrowseForFolder(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    const ValueRecord& showFiles = Arg(argCount, args, 1);
    char displayName[MAX_PATH];
    BROWSEINFOA browse{};
    browse.lpszTitle = ArgText(Arg(argCount, args, 0));
    browse.pszDisplayName = displayName;
    browse.ulFlags = BIF_EDITBOX;
    if (!IsOmitted(showFiles) && showFiles.low != 0) {
        browse.ulFlags |= BIF_BROWSEINCLUDEFILES;
    }
    ItemIdList chosen(nullptr);
    {
        const ModalGuard guard;
        browse.hwndOwner = guard.owner();
        chosen = ItemIdList(SHBrowseForFolderA(&browse));
    }
    char path[MAX_PATH];
    if (chosen.get() == nullptr || !SHGetPathFromIDListA(chosen.get(), path)) {
        SetText(result, nullptr);
        return;
    }
    SetText(result, NewText(path));
}

}  // namespace velmora
