#include "commands/value_text.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "commands/command_values.h"
#include "commands/date_time.h"

namespace velmora {
namespace {

void FormatDateTime(double date, ValueTextBuffer& buffer) noexcept {
    const CivilTime time = CivilFromOleDate(date);
    const int used = std::snprintf(buffer.data(), buffer.size(), "%d年%d月%d日", time.year, time.month, time.day);
    char* rest = buffer.data() + used;
    const size_t room = buffer.size() - static_cast<size_t>(used);
    if (time.second != 0) {
        std::snprintf(rest, room, "%d时%d分%d秒", time.hour, time.minute, time.second);
    } else if (time.minute != 0) {
        std::snprintf(rest, room, "%d时%d分", time.hour, time.minute);
    } else if (time.hour != 0) {
        std::snprintf(rest, room, "%d时", time.hour);
    }
}

}  // namespace

const char* ScalarText(const ValueRecord& value, ValueTextBuffer& buffer) noexcept {
    buffer[0] = '\0';
    switch (value.type) {
        case kTypeText:
            return ArgText(value);
        case kTypeByte:
            std::snprintf(buffer.data(), buffer.size(), "%u", static_cast<unsigned>(value.low & 0xFF));
            break;
        case kTypeShort:
        case kTypeInteger:
            std::snprintf(buffer.data(), buffer.size(), "%d", ArgInteger(value));
            break;
        case kTypeLong: {
            const auto number = static_cast<int64_t>((static_cast<uint64_t>(value.high) << 32) | value.low);
            std::snprintf(buffer.data(), buffer.size(), "%" PRId64, number);
            break;
        }
        case kTypeFloat:
            std::snprintf(buffer.data(), buffer.size(), "%.6g", ArgDouble(value));
            break;
        case kTypeDouble:
            std::snprintf(buffer.data(), buffer.size(), "%.13g", ArgDouble(value));
            break;
        case kTypeBoolean:
            std::strcpy(buffer.data(), value.low != 0 ? "真" : "假");
            break;
        case kTypeDateTime:
            FormatDateTime(ArgDouble(value), buffer);
            break;
        default:
            return nullptr;
    }
    return buffer.data();
}

}  // namespace velmora
