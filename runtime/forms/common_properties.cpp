#include "runtime/forms/common_properties.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <vector>

#include "runtime/forms/byte_reader.h"
#include "runtime/forms/component_cursor.h"
#include "runtime/forms/forms_state.h"
#include "runtime/forms/identifiers.h"
#include "runtime/forms/property_values.h"
#include "runtime/heap.h"
#include "runtime/runtime_error.h"

namespace velmora {
namespace {

enum CommonProperty : int32_t { kLeft, kTop, kWidth, kHeight, kTag, kVisible, kDisabled, kMousePointer };

// The window's rectangle, in its parent's client coordinates unless it is a top-level or pop-up window.
RECT PlacedRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    HWND parent = GetAncestor(window, GA_PARENT);
    if (parent != nullptr && parent != GetDesktopWindow() && (GetWindowLongA(window, GWL_STYLE) & WS_POPUP) == 0) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

uint64_t MousePointerValue(const ComponentRecord& record) {
    const std::span<const uint8_t> data = record.MousePointer();
    std::vector<uint8_t> copy;
    try {
        copy.assign(data.begin(), data.end());
    } catch (const std::bad_alloc&) {
        ReportAllocationFailure(static_cast<uint32_t>(data.size()));
    }
    if (copy.size() >= 4) {
        if (const std::optional<uint32_t> code = CursorCodeOfSystemId(LoadWord(copy.data()))) {
            StoreWord(copy.data(), *code);
        }
    }
    return PointerValue(NewBytes(copy.data(), static_cast<int32_t>(copy.size())));
}

void SetStateBit(ComponentRecord& record, uint32_t bit, bool set) {
    const uint32_t flags = record.StateFlags();
    if (((flags & bit) != 0) != set) {
        record.SetStateFlags(set ? flags | bit : flags & ~bit);
    }
}

void RenewCursor(ComponentRecord& record) {
    ComponentObject* object = LiveObject(record);
    if (object == nullptr) {
        return;
    }
    ReleaseCursor(reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(record.CursorSlot())));
    record.SetCursorSlot(PointerValue(MakeCursor(record.MousePointer())));
    ShowComponentCursor(object->window, object->windowId, object->componentId);
}

}  // namespace

uint64_t ReadCommonProperty(const ComponentRecord& record, int32_t number) noexcept {
    HWND window = LiveWindow(record);
    switch (number) {
        case kLeft:
            return static_cast<uint32_t>(window != nullptr ? PlacedRect(window).left : record.Left());
        case kTop:
            return static_cast<uint32_t>(window != nullptr ? PlacedRect(window).top : record.Top());
        case kWidth: {
            const RECT rect = window != nullptr ? PlacedRect(window) : RECT{};
            return static_cast<uint32_t>(window != nullptr ? rect.right - rect.left : record.Width());
        }
        case kHeight: {
            const RECT rect = window != nullptr ? PlacedRect(window) : RECT{};
            return static_cast<uint32_t>(window != nullptr ? rect.bottom - rect.top : record.Height());
        }
        case kTag:
            return PointerValue(NewText(record.Tag()));
        case kVisible:
            return window != nullptr ? IsWindowVisible(window) != FALSE : (record.StateFlags() & kStateVisible) != 0;
        case kDisabled:
            return window != nullptr ? IsWindowEnabled(window) == FALSE : (record.StateFlags() & kStateDisabled) != 0;
        case kMousePointer:
            return MousePointerValue(record);
        default:
            return 0;
    }
}

void WriteCommonProperty(ComponentRecord& record, int32_t number, uint32_t low) noexcept {
    const auto value = static_cast<int32_t>(low);
    HWND window = LiveWindow(record);
    switch (number) {
        case kLeft:
        case kTop: {
            const int32_t position = std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
            number == kLeft ? record.SetLeft(position) : record.SetTop(position);
            if (window != nullptr) {
                const RECT rect = PlacedRect(window);
                MoveWindow(window, number == kLeft ? position : rect.left, number == kTop ? position : rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, TRUE);
            }
            return;
        }
        case kWidth:
        case kHeight: {
            const int32_t size = std::clamp(value, 0, kCoordinateLimit);
            number == kWidth ? record.SetWidth(size) : record.SetHeight(size);
            if (window != nullptr) {
                const RECT rect = PlacedRect(window);
                SetWindowPos(window, nullptr, 0, 0, number == kWidth ? size : rect.right - rect.left,
                             number == kHeight ? size : rect.bottom - rect.top,
                             SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
            }
            return;
        }
        case kTag: {
            const char* tag = TextOf(low);
            if (!record.SetTag(tag)) {
                ReportAllocationFailure(static_cast<uint32_t>(record.Data().size() + std::strlen(tag)));
            }
            return;
        }
        case kVisible:
            SetStateBit(record, kStateVisible, low != 0);
            if (window != nullptr) {
                const bool topLevel = (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0;
                ShowWindow(window, low == 0 ? SW_HIDE : topLevel ? SW_SHOW : SW_SHOWNA);
            }
            return;
        case kDisabled:
            SetStateBit(record, kStateDisabled, low != 0);
            if (window != nullptr) {
                EnableWindow(window, low == 0);
            }
            return;
        case kMousePointer: {
            const std::span<const uint8_t> data = ByteStringOf(low);
            if (!record.SetMousePointer(data)) {
                ReportAllocationFailure(static_cast<uint32_t>(record.Data().size() + data.size()));
            }
            RenewCursor(record);
            return;
        }
        default:
            return;
    }
}

}  // namespace velmora
