// How values cross the unit property routines. A write receives the address of the converted value:
// an int32_t for integers and booleans, a `const char*` for a text (null reads as ""), and two 32-bit
// words (address, length) for a byte string, a picture or a font. A read fills an 8-byte buffer with
// the value, or with (address, length) of a text or byte string that the component keeps.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline int32_t IntegerArgument(const void* value) noexcept {
    return value == nullptr ? 0 : *static_cast<const int32_t*>(value);
}

inline std::string_view TextArgument(const void* value) noexcept {
    const char* text = value == nullptr ? nullptr : *static_cast<const char* const*>(value);
    return text == nullptr ? std::string_view() : std::string_view(text);
}

std::span<const uint8_t> BytesArgument(const void* value) noexcept;

inline int32_t Clamped(int32_t value, int32_t lowest, int32_t highest) noexcept {
    return std::clamp(value, lowest, highest);
}

// A boolean setting counts only when it is exactly 1.
inline bool IsOn(int32_t value) noexcept {
    return value == 1;
}

void ReturnInteger(void* buffer, int32_t value) noexcept;
// Zero: no value, or an empty text.
void ReturnNothing(void* buffer) noexcept;
// The component keeps the text; the buffer receives its address and length.
void ReturnText(void* buffer, const std::string& text) noexcept;
void ReturnBytes(void* buffer, const std::vector<uint8_t>& bytes) noexcept;

inline std::vector<uint8_t> ToByteVector(std::span<const uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

}  // namespace velmora
