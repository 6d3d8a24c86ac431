// Identifiers of windows, components and routines, and the unit codes of the core library.
#pragma once

#include <cstdint>

namespace velmora {

constexpr uint32_t kIdKindMask = 0x0F000000;
constexpr uint32_t kIdNumberMask = 0x00FFFFFF;
constexpr uint32_t kIdTopMask = 0xF0000000;

constexpr uint32_t kIdKindWindow = 0x02000000;
constexpr uint32_t kIdKindRoutine = 0x04000000;
constexpr uint32_t kIdKindComponent = 0x06000000;
constexpr uint32_t kIdMenuItemTop = 0x20000000;

constexpr uint32_t IdKind(uint32_t id) {
    return id & kIdKindMask;
}
constexpr uint32_t IdNumber(uint32_t id) {
    return id & kIdNumberMask;
}
constexpr bool IsWindowId(uint32_t id) {
    return IdKind(id) == kIdKindWindow && IdNumber(id) != 0;
}
constexpr bool IsComponentId(uint32_t id) {
    return IdKind(id) == kIdKindComponent;
}
constexpr bool IsMenuItemId(uint32_t id) {
    return IsComponentId(id) && (id & kIdTopMask) == kIdMenuItemTop;
}

// (library number << 16) | unit number, both counted from 1.
constexpr uint32_t kUnitWindow = 0x00010001;
constexpr uint32_t kUnitMenuItem = 0x00010003;
constexpr uint32_t kUnitEditBox = 0x00010005;
constexpr uint32_t kUnitLabel = 0x0001000A;
constexpr uint32_t kUnitButton = 0x0001000B;
constexpr uint32_t kUnitCheckBox = 0x0001000C;
constexpr uint32_t kUnitCommonDialog = 0x0001001F;

// Component state flags.
constexpr uint32_t kStateVisible = 0x1;
constexpr uint32_t kStateDisabled = 0x2;
constexpr uint32_t kStateFocusable = 0x4;

// Menu item state flags (the first of the item's three words).
constexpr uint32_t kMenuHidden = 0x1;
constexpr uint32_t kMenuDisabled = 0x2;
constexpr uint32_t kMenuChecked = 0x4;

// A binding's routine offset that binds nothing.
constexpr int32_t kNoRoutine = -1;

}  // namespace velmora
