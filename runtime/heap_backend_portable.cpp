#include "runtime/heap_backend.h"

#include <cstdlib>

namespace velmora {

// The process heap hands out a block for size 0 and keeps a block reallocated to 0; malloc and
// realloc need not, so 0 is asked as 1.
void* BackendAllocate(uint32_t size) noexcept {
    return std::malloc(size == 0 ? 1 : size);
}

void* BackendReallocate(void* block, uint32_t size) noexcept {
    return std::realloc(block, size == 0 ? 1 : size);
}

void BackendRelease(void* block) noexcept {
    std::free(block);
}

}  // namespace velmora
