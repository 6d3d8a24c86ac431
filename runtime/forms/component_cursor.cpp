#include "runtime/forms/component_cursor.h"

#include <commctrl.h>

#include <algorithm>
#include <new>
#include <vector>

#include "runtime/forms/byte_reader.h"
#include "runtime/forms/forms_state.h"
#include "runtime/forms/user_handles.h"

namespace velmora {
namespace {

constexpr uint32_t kHandCursorResource = 0x408;
constexpr uint32_t kCursorFileCode = 0xFFFFFFFF;
constexpr size_t kCursorFileTryLength = 10;
constexpr size_t kCursorFileHeaderSize = 6;
constexpr size_t kCursorFileEntrySize = 16;
constexpr size_t kCursorFileMinimum = 22;

std::vector<CursorHandle>& OwnedCursors() {
    static std::vector<CursorHandle> cursors;
    return cursors;
}

uint16_t HalfWordAt(std::span<const uint8_t> data, size_t offset) {
    return static_cast<uint16_t>(data[offset] | data[offset + 1] << 8);
}

// A .cur file: reserved 0, type 2, at least one image; the first image becomes the cursor, with its
// hot spot in front as CreateIconFromResourceEx expects it.
HCURSOR CursorFromFile(std::span<const uint8_t> file) {
    if (file.size() <= kCursorFileMinimum || HalfWordAt(file, 0) != 0 || HalfWordAt(file, 2) != 2 ||
        HalfWordAt(file, 4) == 0) {
        return nullptr;
    }
    const std::span<const uint8_t> entry = file.subspan(kCursorFileHeaderSize, kCursorFileEntrySize);
    const uint16_t hotX = HalfWordAt(entry, 4);
    const uint16_t hotY = HalfWordAt(entry, 6);
    const uint32_t size = LoadWord(entry.data() + 8);
    const uint32_t offset = LoadWord(entry.data() + 12);
    if (offset > file.size() || size > file.size() - offset || size == 0) {
        return nullptr;
    }
    std::vector<uint8_t> resource;
    try {
        resource.reserve(size + 4);
        resource = {static_cast<uint8_t>(hotX), static_cast<uint8_t>(hotX >> 8), static_cast<uint8_t>(hotY),
                    static_cast<uint8_t>(hotY >> 8)};
        resource.insert(resource.end(), file.begin() + offset, file.begin() + offset + size);
        OwnedCursors().reserve(OwnedCursors().size() + 1);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    HCURSOR cursor = CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()), FALSE, 0x00030000,
                                              0, 0, LR_DEFAULTCOLOR);
    if (cursor != nullptr) {
        OwnedCursors().emplace_back(cursor);
    }
    return cursor;
}

// The hand comes from the program's own resources; a program without that resource gets the system's.
HCURSOR SystemCursor(uint32_t id) {
    if (id == kHandCursorId) {
        if (HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kHandCursorResource))) {
            return hand;
        }
    }
    return LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
}

// The subclass id is the window id and the reference data the component id.
LRESULT CALLBACK CursorSubclass(HWND window,
                                UINT message,
                                WPARAM wParam,
                                LPARAM lParam,
                                UINT_PTR windowId,
                                DWORD_PTR componentId) noexcept {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, CursorSubclass, windowId);
    } else if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == window) {
        WindowTemplate* owner = Forms().FindTemplate(static_cast<uint32_t>(windowId));
        const ComponentRecord* record =
            owner != nullptr ? owner->FindComponent(static_cast<uint32_t>(componentId)) : nullptr;
        if (record != nullptr && record->CursorSlot() != 0) {
            SetCursor(reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(record->CursorSlot())));
            return TRUE;
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

HCURSOR MakeCursor(std::span<const uint8_t> data) noexcept {
    if (data.empty()) {
        return nullptr;
    }
    const uint32_t code = data.size() >= 4 ? LoadWord(data.data()) : data[0];
    if (code != kCursorFileCode && data.size() > kCursorFileTryLength) {
        if (HCURSOR cursor = CursorFromFile(data)) {
            return cursor;
        }
    }
    if (code == kCursorFileCode) {
        return data.size() > 4 ? CursorFromFile(data.subspan(4)) : nullptr;
    }
    if (code < kCursorListSize) {
        return code == 0 ? nullptr : SystemCursor(SystemCursorIdOfCode(code));
    }
    return CursorCodeOfSystemId(code) ? SystemCursor(code) : nullptr;
}

void ReleaseCursor(HCURSOR cursor) noexcept {
    std::vector<CursorHandle>& cursors = OwnedCursors();
    const auto owned = std::find_if(cursors.begin(), cursors.end(),
                                    [cursor](const CursorHandle& held) { return held.get() == cursor; });
    if (owned != cursors.end()) {
        cursors.erase(owned);
    }
}

void ShowComponentCursor(HWND window, uint32_t windowId, uint32_t componentId) noexcept {
    SetWindowSubclass(window, CursorSubclass, windowId, componentId);
}

}  // namespace velmora
