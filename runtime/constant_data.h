// The program's constant data block: literals that live in the program image, never in the heap.
#pragma once

#include <cstdint>

namespace velmora {

void SetConstantData(const void* start, uint32_t size) noexcept;
void ForgetConstantData() noexcept;
bool IsConstantData(const void* pointer) noexcept;
// Bytes from pointer to the end of the block; 0 for a pointer outside it.
uint32_t ConstantBytesFrom(const void* pointer) noexcept;

}  // namespace velmora
