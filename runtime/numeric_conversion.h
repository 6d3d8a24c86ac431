// A numeric value record as a 32-bit integer (runtime service 2001).
#pragma once

#include <cstdint>

#include "runtime/value.h"

namespace velmora {

// False for a record whose type is not one of the six numeric types.
bool NumericToInteger(const ValueRecord& value, int32_t* result) noexcept;
// As above; a non-numeric record is the run-time error "欲转换数据类型不是数值".
int32_t NumericValueToInteger(const ValueRecord& value) noexcept;

}  // namespace velmora
