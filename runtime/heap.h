// Value memory: every text, byte string and array lives in the process heap and has one owner.
#pragma once

#include <cstdint>

namespace velmora {

// Allocation failure is a run-time error that names the requested size; these never return null.
void* HeapAllocate(uint32_t size) noexcept;
void* HeapReallocate(void* block, uint32_t size) noexcept;
// Null and pointers into the program's constant data are left alone.
void HeapRelease(void* block) noexcept;
// The one allocation that may fail quietly: null when the heap has no room.
void* HeapAllocateOrNull(uint32_t size) noexcept;

// Text constructors: an empty result is the null pointer.
char* NewText(const char* text) noexcept;
char* NewText(const char* bytes, int32_t length) noexcept;
// Byte string (1, length, bytes...); null for length 0.
uint8_t* NewBytes(const void* bytes, int32_t length) noexcept;

}  // namespace velmora
