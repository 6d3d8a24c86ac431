#include "commands/command_values.h"

#include <cmath>
#include <cstring>

namespace velmora {

const char* ArgText(const ValueRecord& value) noexcept {
    if (value.type != kTypeText || value.low == 0) {
        return "";
    }
    return reinterpret_cast<const char*>(static_cast<uintptr_t>(value.low));
}

double ArgDouble(const ValueRecord& value) noexcept {
    switch (value.type) {
        case kTypeFloat: {
            float single;
            std::memcpy(&single, &value.low, sizeof single);
            return single;
        }
        case kTypeDouble:
        case kTypeDateTime: {
            const uint64_t bits = (static_cast<uint64_t>(value.high) << 32) | value.low;
            double number;
            std::memcpy(&number, &bits, sizeof number);
            return number;
        }
        default:
            return ArgInteger(value);
    }
}

int32_t TruncateToInt32(double value) noexcept {
    if (!(value > -2147483649.0 && value < 2147483648.0)) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(value);
}

int32_t ArgInteger(const ValueRecord& value) noexcept {
    switch (value.type) {
        case kTypeByte:
            return static_cast<uint8_t>(value.low);
        case kTypeShort:
            return static_cast<int16_t>(value.low);
        case kTypeInteger:
        case kTypeLong:
        case kTypeBoolean:
            return static_cast<int32_t>(value.low);
        case kTypeFloat:
        case kTypeDouble:
            return TruncateToInt32(ArgDouble(value));
        default:
            return 0;
    }
}

void SetInteger(ValueRecord* result, int32_t value) noexcept {
    result->low = static_cast<uint32_t>(value);
    result->high = 0;
    result->type = kTypeInteger;
}

void SetBoolean(ValueRecord* result, bool value) noexcept {
    result->low = value ? 1 : 0;
    result->high = 0;
    result->type = kTypeBoolean;
}

void SetDateTime(ValueRecord* result, double value) noexcept {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    result->low = static_cast<uint32_t>(bits);
    result->high = static_cast<uint32_t>(bits >> 32);
    result->type = kTypeDateTime;
}

void SetText(ValueRecord* result, char* text) noexcept {
    SetBlock(result, kTypeText, text);
}

void SetBlock(ValueRecord* result, uint32_t type, void* block) noexcept {
    result->low = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(block));
    result->high = 0;
    result->type = type;
}

}  // namespace velmora
