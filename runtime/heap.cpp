#include "runtime/heap.h"

#include <algorithm>
#include <cstring>

#include "runtime/constant_data.h"
#include "runtime/heap_backend.h"
#include "runtime/runtime_error.h"

namespace velmora {

void* HeapAllocate(uint32_t size) noexcept {
    void* block = BackendAllocate(size);
    if (block == nullptr) {
        ReportAllocationFailure(size);
    }
    return block;
}

void* HeapAllocateOrNull(uint32_t size) noexcept {
    return BackendAllocate(size);
}

void* HeapReallocate(void* block, uint32_t size) noexcept {
    if (block == nullptr) {
        return HeapAllocate(size);
    }
    if (IsConstantData(block)) {
        // The literal stays where it is; the copy is what the caller may change.
        void* copy = HeapAllocate(size);
        std::memcpy(copy, block, std::min(size, ConstantBytesFrom(block)));
        return copy;
    }
    void* moved = BackendReallocate(block, size);
    if (moved == nullptr) {
        ReportAllocationFailure(size);
    }
    return moved;
}

void HeapRelease(void* block) noexcept {
    if (block == nullptr || IsConstantData(block)) {
        return;
    }
    BackendRelease(block);
}

}  // namespace velmora
