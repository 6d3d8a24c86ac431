#include "runtime/numeric_conversion.h"

#include <bit>
#include <cmath>

#include "runtime/runtime_error.h"

namespace velmora {
namespace {

// Truncation toward zero. A value with no 32-bit integer (NaN, infinity, out of range) gives
// INT32_MIN, the integer the processor's own conversion produces, instead of undefined behaviour.
int32_t TruncateToInteger(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0)) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(value);
}

}  // namespace

bool NumericToInteger(const ValueRecord& value, int32_t* result) noexcept {
    switch (value.type) {
        case kTypeByte:
            *result = static_cast<int32_t>(value.low & 0xFF);
            return true;
        case kTypeShort:
            *result = static_cast<int16_t>(value.low & 0xFFFF);
            return true;
        case kTypeInteger:
        case kTypeLong:
            *result = static_cast<int32_t>(value.low);
            return true;
        case kTypeFloat:
            *result = TruncateToInteger(std::bit_cast<float>(value.low));
            return true;
        case kTypeDouble:
            *result = TruncateToInteger(std::bit_cast<double>(uint64_t{value.high} << 32 | value.low));
            return true;
        default:
            return false;
    }
}

int32_t NumericValueToInteger(const ValueRecord& value) noexcept {
    int32_t result = 0;
    if (!NumericToInteger(value, &result)) {
        ReportRuntimeError("欲转换数据类型不是数值", 0, 0, 0);
    }
    return result;
}

}  // namespace velmora
