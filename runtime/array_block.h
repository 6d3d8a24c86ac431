// Array blocks: a dimension count n, n dimension sizes, then the elements. A byte string is the
// one-dimensional array of bytes; the null pointer is the empty byte string.
#pragma once

#include <cstdint>

namespace velmora {

// The layout of the empty one-dimensional array, as the program's literals hold it.
struct EmptyArrayLiteral {
    uint32_t dimensionCount;
    uint32_t elementCount;
};
inline constexpr EmptyArrayLiteral kEmptyArray{1, 0};

uint32_t DimensionCount(const void* block) noexcept;
// The product of the dimension sizes; 0 for null.
uint32_t ElementCount(const void* block) noexcept;
// Header and elements together.
uint32_t ArrayBlockSize(const void* block, uint32_t elementSize) noexcept;
void* ArrayElements(void* block) noexcept;
const void* ArrayElements(const void* block) noexcept;

// A new one-dimensional array with zeroed elements.
void* NewArrayBlock(uint32_t elementCount, uint32_t elementSize) noexcept;
// A block in the constant data is replaced by a heap copy of itself; a heap block is left alone.
void MakeArrayWritable(uint32_t elementSize, void** array) noexcept;
// Frees the elements first when they are texts or byte strings, then the block.
void FreeArrayByElementType(uint32_t typeCode, void* block) noexcept;

// Program code's check before touching element index (1-based) of an array: an index below 1 is
// run-time error 4, one above the element count error 1, both naming the routine and the position.
// Returns the 0-based element number.
uint32_t CheckArrayIndex(const void* block, int32_t index, uint32_t routine, uint32_t position) noexcept;

// Byte strings.
int32_t BytesLength(const uint8_t* bytes) noexcept;
const uint8_t* BytesData(const uint8_t* bytes) noexcept;

}  // namespace velmora
