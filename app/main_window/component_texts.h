// Reading and setting a text property of one of the tool's components.
#pragma once

#include <cstdint>

#include "runtime/heap_block.h"

namespace velmora {

// A new copy, owned by the caller.
Text ReadTextProperty(uint32_t componentId, int32_t property) noexcept;
// The component keeps its own copy.
void WriteTextProperty(uint32_t componentId, int32_t property, const char* text) noexcept;

}  // namespace velmora
