// Byte classes of code page 936 texts.
#pragma once

namespace velmora {

// A byte with the high bit set starts a double-byte character.
constexpr bool IsLeadByte(char byte) noexcept {
    return (static_cast<unsigned char>(byte) & 0x80) != 0;
}

constexpr char AsciiLower(char byte) noexcept {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

}  // namespace velmora
