// Reading arguments and filling results of library commands. No argument is trusted: a wrong type
// reads as the empty value of the wanted type, never as a fault.
#pragma once

#include <cstdint>

#include "runtime/value.h"

namespace velmora {

inline bool IsOmitted(const ValueRecord& value) noexcept {
    return value.type == kTypeNone;
}

inline bool IsNumericType(uint32_t type) noexcept {
    return type == kTypeByte || type == kTypeShort || type == kTypeInteger || type == kTypeLong || type == kTypeFloat ||
           type == kTypeDouble;
}

// The argument at index, or an omitted record when the caller passed fewer.
inline const ValueRecord& Arg(int32_t argCount, const ValueRecord* args, int32_t index) noexcept {
    static constexpr ValueRecord kOmitted{};
    return index >= 0 && index < argCount ? args[index] : kOmitted;
}

// A text argument; null (and anything that is not a text) reads as "".
const char* ArgText(const ValueRecord& value) noexcept;
// A numeric or boolean argument as a 32-bit integer, truncated toward zero; other types read as 0.
int32_t ArgInteger(const ValueRecord& value) noexcept;
double ArgDouble(const ValueRecord& value) noexcept;
// A double truncated toward zero; out of range and NaN give INT32_MIN, as the processor's own conversion does.
int32_t TruncateToInt32(double value) noexcept;

void SetInteger(ValueRecord* result, int32_t value) noexcept;
void SetBoolean(ValueRecord* result, bool value) noexcept;
void SetDateTime(ValueRecord* result, double value) noexcept;
// Hands a heap text (null = empty) to the caller.
void SetText(ValueRecord* result, char* text) noexcept;
// Hands a heap byte string or array block (null = empty) to the caller.
void SetBlock(ValueRecord* result, uint32_t type, void* block) noexcept;

}  // namespace velmora
