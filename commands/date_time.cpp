#include "commands/date_time.h"

#include <cmath>

namespace velmora {
namespace {

constexpr int32_t kSecondsPerDay = 86400;
constexpr int64_t kUnixEpochDay = 25569;  // 1970-01-01 as an OLE day

// Days since 1970-01-01 to the proleptic Gregorian calendar and back (Howard Hinnant's algorithms).
void CivilFromDays(int64_t days, CivilTime& time) noexcept {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    time.day = static_cast<int32_t>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    time.month = static_cast<int32_t>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    time.year = static_cast<int32_t>(yearOfEra + era * 400 + (time.month <= 2 ? 1 : 0));
}

int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) noexcept {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

CivilTime CivilFromOleDate(double date) noexcept {
    if (std::isnan(date)) {
        date = 0;
    }
    // A negative date's fraction counts forward, so the first day spans (kFirstDateDay - 1, kFirstDateDay].
    const double lastMoment = kLastDateDay + (kSecondsPerDay - 1) / double{kSecondsPerDay};
    if (date <= kFirstDateDay - 1) {
        date = kFirstDateDay;
    } else if (date > lastMoment) {
        date = lastMoment;
    }
    int64_t day = static_cast<int64_t>(date);
    int64_t seconds = std::llround(std::fabs(date - static_cast<double>(day)) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        // Rounded up to the next midnight; for a negative date the next day is one serial day up as well.
        ++day;
        seconds = 0;
    }
    CivilTime time{};
    CivilFromDays(day - kUnixEpochDay, time);
    time.hour = static_cast<int32_t>(seconds / 3600);
    time.minute = static_cast<int32_t>(seconds / 60 % 60);
    time.second = static_cast<int32_t>(seconds % 60);
    return time;
}

double OleDateFromCivil(const CivilTime& time) noexcept {
    const int64_t day = DaysFromCivil(time.year, time.month, time.day) + kUnixEpochDay;
    const double fraction = (time.hour * 3600 + time.minute * 60 + time.second) / double{kSecondsPerDay};
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

}  // namespace velmora
