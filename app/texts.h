// Small routines the tool's code uses throughout.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace velmora {

// Byte by byte; a missing text counts as empty. Negative, 0 or positive like strcmp.
int32_t CompareTexts(const char* left, const char* right) noexcept;
bool TextsEqual(const char* left, const char* right) noexcept;
// One new text whose length is the sum of theirs; null when that is 0.
char* ConcatTexts(std::initializer_list<const char*> texts) noexcept;
// Truncation toward zero; a value with no 32-bit integer gives INT32_MIN.
int32_t TruncateToInteger(double value) noexcept;
// Decimal with an optional "-" and nothing else, within 32 bits; nullopt for anything else. Unlike
// ToInteger, which reads what it can, for texts that must be exactly a number.
std::optional<int32_t> ParseStrictInteger(std::string_view text) noexcept;

}  // namespace velmora
