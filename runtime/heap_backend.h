// The allocator under the value heap: the process heap in the product, the C library in native builds.
// Every function returns null on failure; the value heap turns that into the run-time error.
#pragma once

#include <cstdint>

namespace velmora {

void* BackendAllocate(uint32_t size) noexcept;
void* BackendReallocate(void* block, uint32_t size) noexcept;
void BackendRelease(void* block) noexcept;

}  // namespace velmora
