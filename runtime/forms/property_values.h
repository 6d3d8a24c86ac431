// Values as program code hands them over in a property access: texts and byte strings are heap
// pointers in the low word, null being empty.
#pragma once

#include <cstdint>
#include <span>

namespace velmora {

// Never null: a null text reads as "".
const char* TextOf(uint32_t low) noexcept;
// The bytes of a byte string (1, length, bytes...); empty for null.
std::span<const uint8_t> ByteStringOf(uint32_t low) noexcept;
uint32_t PointerValue(const void* pointer) noexcept;

}  // namespace velmora
