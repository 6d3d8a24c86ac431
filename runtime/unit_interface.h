// What the window loader and the units (window, button, edit box, ...) agree on: the arguments of a
// unit's create routine, the component object every unit returns, and the property routines.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/library.h"

namespace velmora {

class WindowTemplate;

// Every unit's component object starts with this part; the unit may derive from it. The unit owns the
// object: it frees it when the component's window is gone (WM_NCDESTROY), after telling the runtime
// with service 2000 (window id, component id).
struct ComponentObject {
    HWND window = nullptr;
    uint32_t windowId = 0;
    uint32_t componentId = 0;  // 0: the window's own record
    uint32_t unitType = 0;
};

struct UnitCreateArgs {
    const uint8_t* properties = nullptr;  // the record's unit property block
    uint32_t propertiesSize = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t style = 0;    // WS_DISABLED and WS_TABSTOP from the record's state flags
    bool visible = false;  // the initial visibility the loader applies after creation
    uint32_t windowId = 0;
    uint32_t componentId = 0;
    HWND parent = nullptr;  // the owner for a window's own record, the window for a component
    HMENU menu = nullptr;   // a window's own record only
    bool embedded = false;  // a window's own record: a child inside parent instead of a form of its own
    bool modal = false;
    const WindowTemplate* windowTemplate = nullptr;
};

// Property values by the kind code of the unit's property table: 32-bit kinds travel as one int32_t,
// 64-bit kinds as one int64_t, booleans as an int32_t 0 or 1. A written text arrives as the address of
// a `const char*` (never null). Byte strings, mouse-pointer data and fonts (a LOGFONTA) are written as
// the address of an (address, length) pair; a read fills the 8-byte buffer with such a pair for a text
// too (the unit keeps the bytes). The unit's routines take the unit's own property number; its
// property table is indexed with the full number, so its first eight entries stand for the common
// properties.
struct UnitBytes {
    const void* data;
    int32_t length;
};

// Interface code kUnitCreate: null when the control cannot be created.
using UnitCreateRoutine = ComponentObject* (*)(const UnitCreateArgs& args) noexcept;
// Interface code kUnitWriteProperty: (object, unit property number, converted value, 0); 1 when the
// component must be laid out again.
using UnitWritePropertyRoutine = int32_t (*)(ComponentObject* object,
                                             int32_t property,
                                             const void* value,
                                             int32_t reserved) noexcept;
// Interface code kUnitReadProperty: fills the 8-byte buffer with the value, or with the address and
// length of a text or byte string that the unit keeps.
using UnitReadPropertyRoutine = void (*)(ComponentObject* object, int32_t property, void* buffer) noexcept;

// Interface code kUnitWriteTemplate: the component's current properties as its unit property block.
// The block comes from the runtime's allocation service (2024) and the caller frees it (2025). 0, and
// the result left alone, when memory runs out.
using UnitWriteTemplateRoutine = int32_t (*)(ComponentObject* object, UnitBytes* result) noexcept;
// Interface code kUnitPassTexts: reads a unit property block of the unit, hands each of its texts to
// the callback and gives back the block written anew, each text replaced by what the callback
// returned (a null address keeps the text). The callback's bytes need to last only until it is called
// again. 0, and the result left alone, for a malformed block or when memory runs out.
using UnitTextCallback = UnitBytes (*)(void* context, UnitBytes text) noexcept;
using UnitPassTextsRoutine = int32_t (*)(UnitBytes block,
                                         UnitTextCallback callback,
                                         void* context,
                                         UnitBytes* result) noexcept;

template <typename Routine>
UnitRoutine AsUnitRoutine(Routine routine) noexcept {
    return reinterpret_cast<UnitRoutine>(reinterpret_cast<void (*)()>(routine));
}

}  // namespace velmora
