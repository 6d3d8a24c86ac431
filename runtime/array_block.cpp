#include "runtime/array_block.h"

#include <cstring>

#include "runtime/constant_data.h"
#include "runtime/heap.h"
#include "runtime/runtime_error.h"
#include "runtime/value.h"

namespace velmora {
namespace {

const uint32_t* Header(const void* block) {
    return static_cast<const uint32_t*>(block);
}

uint32_t HeaderSize(uint32_t dimensionCount) {
    return 4 + 4 * dimensionCount;
}

// Sizes beyond the 32-bit address space cannot be allocated; they are reported like any failed
// allocation instead of wrapping round to a small block.
uint32_t CheckedSize(uint64_t size) {
    if (size > UINT32_MAX) {
        ReportAllocationFailure(UINT32_MAX);
    }
    return static_cast<uint32_t>(size);
}

}  // namespace

uint32_t DimensionCount(const void* block) noexcept {
    return block == nullptr ? 0 : Header(block)[0];
}

uint32_t ElementCount(const void* block) noexcept {
    if (block == nullptr) {
        return 0;
    }
    const uint32_t* header = Header(block);
    uint32_t count = 1;
    for (uint32_t i = 0; i < header[0]; ++i) {
        count *= header[1 + i];
    }
    return count;
}

uint32_t ArrayBlockSize(const void* block, uint32_t elementSize) noexcept {
    if (block == nullptr) {
        return 0;
    }
    return CheckedSize(HeaderSize(DimensionCount(block)) + uint64_t{elementSize} * ElementCount(block));
}

void* ArrayElements(void* block) noexcept {
    return static_cast<uint8_t*>(block) + HeaderSize(DimensionCount(block));
}

const void* ArrayElements(const void* block) noexcept {
    return static_cast<const uint8_t*>(block) + HeaderSize(DimensionCount(block));
}

void* NewArrayBlock(uint32_t elementCount, uint32_t elementSize) noexcept {
    const uint32_t size = CheckedSize(HeaderSize(1) + uint64_t{elementSize} * elementCount);
    auto* block = static_cast<uint32_t*>(HeapAllocate(size));
    block[0] = 1;
    block[1] = elementCount;
    std::memset(block + 2, 0, size - HeaderSize(1));
    return block;
}

void MakeArrayWritable(uint32_t elementSize, void** array) noexcept {
    if (!IsConstantData(*array)) {
        return;
    }
    const uint32_t size = ArrayBlockSize(*array, elementSize);
    void* copy = HeapAllocate(size);
    std::memcpy(copy, *array, size);
    *array = copy;
}

void FreeArrayByElementType(uint32_t typeCode, void* block) noexcept {
    if (block == nullptr) {
        return;
    }
    const uint32_t element = ElementType(typeCode);
    if (element == kTypeText || element == kTypeBytes) {
        auto* elements = static_cast<void**>(ArrayElements(block));
        const uint32_t count = ElementCount(block);
        for (uint32_t i = 0; i < count; ++i) {
            HeapRelease(elements[i]);
        }
    }
    HeapRelease(block);
}

uint32_t CheckArrayIndex(const void* block, int32_t index, uint32_t routine, uint32_t position) noexcept {
    if (index < 1) {
        RaiseRuntimeError(4, routine, position);
    }
    if (static_cast<uint32_t>(index) > ElementCount(block)) {
        RaiseRuntimeError(1, routine, position);
    }
    return static_cast<uint32_t>(index) - 1;
}

int32_t BytesLength(const uint8_t* bytes) noexcept {
    return static_cast<int32_t>(ElementCount(bytes));
}

const uint8_t* BytesData(const uint8_t* bytes) noexcept {
    return bytes == nullptr ? nullptr : static_cast<const uint8_t*>(ArrayElements(bytes));
}

}  // namespace velmora
