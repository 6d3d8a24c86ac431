// Property reads and writes of program code: by window id and component id (entries 5 and 6), or by
// component object (support functions 4 and 5). Texts and byte strings read come back as new heap
// blocks owned by the caller; those written are copied.
#pragma once

#include <cstdint>

namespace velmora {

uint64_t ReadFormProperty(uint32_t windowId, uint32_t componentId, int32_t number, int32_t element) noexcept;
void WriteFormProperty(uint32_t windowId,
                       uint32_t componentId,
                       int32_t number,
                       int32_t element,
                       uint32_t low,
                       uint32_t high) noexcept;
uint64_t ReadObjectProperty(uint32_t unitType, void* object, int32_t number, int32_t element) noexcept;
void WriteObjectProperty(uint32_t unitType,
                         void* object,
                         int32_t number,
                         int32_t element,
                         uint32_t low,
                         uint32_t high) noexcept;

}  // namespace velmora
