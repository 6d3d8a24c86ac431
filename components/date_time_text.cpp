#include "components/date_time_text.h"

#include <array>
#include <cstring>

#include "commands/date_time.h"
#include "commands/value_text.h"
#include "runtime/value.h"

namespace velmora {
namespace {

constexpr size_t kMostNumbers = 6;
constexpr int32_t kLongestNumber = 9999;

bool IsLeapYear(int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t DaysInMonth(int32_t year, int32_t month) {
    constexpr int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<double> ParseDateTimeText(std::string_view text) noexcept {
    std::array<int32_t, kMostNumbers> numbers = {};
    size_t count = 0;
    for (size_t i = 0; i < text.size();) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        if (count == kMostNumbers) {
            return std::nullopt;
        }
        int32_t number = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            number = number * 10 + (text[i] - '0');
            if (number > kLongestNumber) {
                return std::nullopt;
            }
        }
        numbers[count++] = number;
    }
    if (count < 3) {
        return std::nullopt;
    }
    const CivilTime time = {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]};
    if (time.year < 100 || time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > DaysInMonth(time.year, time.month) || time.hour > 23 || time.minute > 59 || time.second > 59) {
        return std::nullopt;
    }
    return OleDateFromCivil(time);
}

std::string DateTimeText(double date) {
    uint64_t bits = 0;
    std::memcpy(&bits, &date, sizeof(bits));
    const ValueRecord value = {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), kTypeDateTime};
    ValueTextBuffer buffer;
    return ScalarText(value, buffer);
}

}  // namespace velmora
