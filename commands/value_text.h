// The text form of a single value, shared by ToText, WriteLines and InfoBox.
#pragma once

#include <array>

#include "runtime/value.h"

namespace velmora {

using ValueTextBuffer = std::array<char, 100>;

// Numbers, booleans and date-times are written into the buffer; a text is returned as it is (null
// reads as ""). Any other type gives null.
const char* ScalarText(const ValueRecord& value, ValueTextBuffer& buffer) noexcept;

}  // namespace velmora
