#include "app/main_window/component_texts.h"

#include "app/main_window/main_window_ids.h"
#include "runtime/entry_points.h"

namespace velmora {

Text ReadTextProperty(uint32_t componentId, int32_t property) noexcept {
    const uint64_t value = kEntryPoints.readProperty(kMainWindow, componentId, property, kWholeValue);
    return Text(reinterpret_cast<char*>(static_cast<uintptr_t>(static_cast<uint32_t>(value))));
}

void WriteTextProperty(uint32_t componentId, int32_t property, const char* text) noexcept {
    kEntryPoints.writeProperty(kMainWindow, componentId, property, kWholeValue,
                               static_cast<uint32_t>(reinterpret_cast<uintptr_t>(text)), 0);
}

}  // namespace velmora
