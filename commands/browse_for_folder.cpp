#include <windows.h>

#include <shlobj.h>

#include <utility>

#include "commands/com_ptr.h"
#include "commands/command_values.h"
#include "commands/heap_buffer.h"
#include "commands/runtime_link.h"
#include "commands/shell_commands.h"
#include "runtime/heap.h"

namespace velmora {
namespace {

// Owns an item id list from the shell, freed with the shell's allocator.
class ItemIdList {
  public:
    explicit ItemIdList(LPITEMIDLIST owned) noexcept : list_(owned) {}
    ~ItemIdList() { reset(); }
    ItemIdList(ItemIdList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
    ItemIdList& operator=(ItemIdList&& other) noexcept {
        if (this != &other) {
            reset();
            list_ = std::exchange(other.list_, nullptr);
        }
        return *this;
    }
    ItemIdList(const ItemIdList&) = delete;
    ItemIdList& operator=(const ItemIdList&) = delete;

    LPITEMIDLIST get() const noexcept { return list_; }
    LPITEMIDLIST release() noexcept { return std::exchange(list_, nullptr); }
    void reset() noexcept {
        if (list_ == nullptr) {
            return;
        }
        ComPtr<IMalloc> allocator;
        if (SUCCEEDED(SHGetMalloc(allocator.put()))) {
            allocator->Free(std::exchange(list_, nullptr));
        }
    }

  private:
    LPITEMIDLIST list_ = nullptr;
};

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
