#include "runtime/heap_backend.h"

#include <windows.h>

namespace velmora {

void* BackendAllocate(uint32_t size) noexcept {
    return HeapAlloc(GetProcessHeap(), 0, size);
}

void* BackendReallocate(void* block, uint32_t size) noexcept {
    return HeapReAlloc(GetProcessHeap(), 0, block, size);
}

void BackendRelease(void* block) noexcept {
    HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace velmora
