// Text and conversion commands. Positions and lengths are 1-based byte positions in GBK texts;
// searching and splitting step over double-byte characters, cutting does not.
#pragma once

#include "runtime/value.h"

namespace velmora {

void TextLength(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void TextLeft(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void TextMiddle(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void CharFromCode(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void FindTextBackward(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void SplitText(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void BytesLeft(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void ToInteger(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void ToText(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void BitAnd(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void BitOr(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;

}  // namespace velmora
