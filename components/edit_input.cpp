#include "components/edit_input.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "components/date_time_text.h"

namespace velmora {
namespace {

bool IsDigit(unsigned char character) {
    return character >= '0' && character <= '9';
}

std::string Formatted(const char* format, auto value) {
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), format, value);
    return buffer;
}

// For the numeric modes a zero value shows as an empty box.
std::string EmptyWhenZero(std::string text) {
    return text == "0" ? std::string() : text;
}

}  // namespace

bool AcceptsTypedCharacter(int32_t mode, unsigned char character) noexcept {
    if (character < 32) {
        return true;
    }
    switch (mode) {
        case kInputIntegerText:
        case kInputShort:
        case kInputInteger:
        case kInputLong:
            return IsDigit(character) || character == '-';
        case kInputDecimalText:
        case kInputFloat:
        case kInputDouble:
            return IsDigit(character) || character == '-' || character == '.';
        case kInputByte:
            return IsDigit(character);
        default:
            return true;
    }
}

std::string NormalisedContent(int32_t mode, std::string_view content) {
    const std::string text(content);
    switch (mode) {
        case kInputByte:
            return EmptyWhenZero(Formatted("%d", std::clamp(std::atoi(text.c_str()), 0, 255)));
        case kInputShort:
            return EmptyWhenZero(Formatted("%d", std::clamp(std::atoi(text.c_str()), -32768, 32767)));
        case kInputInteger: {
            const long long wide = std::strtoll(text.c_str(), nullptr, 10);
            return EmptyWhenZero(Formatted("%lld", std::clamp<long long>(wide, INT32_MIN, INT32_MAX)));
        }
        case kInputLong:
            return EmptyWhenZero(Formatted("%lld", std::strtoll(text.c_str(), nullptr, 10)));
        case kInputFloat:
            return EmptyWhenZero(Formatted("%.6g", std::atof(text.c_str())));
        case kInputDouble:
            return EmptyWhenZero(Formatted("%.13g", std::atof(text.c_str())));
        case kInputDateTime: {
            const std::optional<double> date = ParseDateTimeText(text);
            return date && *date != 0.0 ? DateTimeText(*date) : std::string();
        }
        default:
            return text;
    }
}

}  // namespace velmora
