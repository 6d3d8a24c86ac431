// The window templates, window loading, events and properties: the runtime frame reaches them only
// through this table, which a program with windows links in. Every entry is optional.
#pragma once

#include <cstdint>

#include "runtime/runtime_error_text.h"

struct tagMSG;

namespace velmora {

struct WindowEngine {
    // Start-up: read, relocate and register the window templates; false when the data is unreadable.
    bool (*readTemplates)(const void* data, uint32_t size, const void* codeBase) noexcept;
    void (*freeTemplates)() noexcept;
    // Without modal flag and owner; false when the id is unknown or creation failed.
    bool (*loadStartupWindow)(uint32_t windowId) noexcept;
    bool (*anyLoadedWindowAlive)() noexcept;
    // The runtime services of windows and events: 1001, 2000, 2005 to 2008, 2017, 2031 to 2033.
    int32_t (*service)(int32_t code, uint32_t first, uint32_t second) noexcept;
    // Idle periods: a new one starts; then the windows' idle events with the milliseconds elapsed,
    // true while some window's handler asks for more.
    void (*startIdlePeriod)() noexcept;
    bool (*raiseIdleEvents)(uint32_t elapsedMs) noexcept;
    // True when a window object consumed the message before it is dispatched.
    bool (*preTranslateMessage)(tagMSG* message) noexcept;
    RecordTagFinder recordTags;
    uint64_t (*readProperty)(uint32_t windowId, uint32_t componentId, int32_t property, int32_t element) noexcept;
    void (*writeProperty)(uint32_t windowId,
                          uint32_t componentId,
                          int32_t property,
                          int32_t element,
                          uint32_t low,
                          uint32_t high) noexcept;
    uint64_t (*readUnitProperty)(uint32_t unitType, void* object, int32_t property, int32_t element) noexcept;
    void (*writeUnitProperty)(uint32_t unitType,
                              void* object,
                              int32_t property,
                              int32_t element,
                              uint32_t low,
                              uint32_t high) noexcept;
};

}  // namespace velmora
