// The text of the run-time error box, built without any window system.
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// Message of an error number of program code; empty for 0 and unknown numbers.
const char* RuntimeErrorMessage(int32_t code) noexcept;

// What the window templates know about a window id and a component id (0 = the window's own record).
struct RecordTags {
    bool windowFound;
    const char* windowTag;
    bool componentFound;  // false also for menu items
    const char* componentTag;
};
using RecordTagFinder = RecordTags (*)(uint32_t windowId, uint32_t componentId) noexcept;

// finder may be null: then no window template is known.
std::string BuildRuntimeErrorText(const char* message,
                                  int32_t code,
                                  uint32_t first,
                                  uint32_t second,
                                  RecordTagFinder finder);

// "分配 %d 字节内存失败!" with the size.
std::string AllocationFailureMessage(uint32_t size);

}  // namespace velmora
