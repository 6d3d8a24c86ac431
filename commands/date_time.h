// OLE automation dates (days since 1899-12-30, fraction = time of day) and the calendar.
#pragma once

#include <cstdint>

namespace velmora {

struct CivilTime {
    int32_t year;
    int32_t month;
    int32_t day;
    int32_t hour;
    int32_t minute;
    int32_t second;

    friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

constexpr double kFirstDateDay = -657434.0;  // 100-01-01
constexpr double kLastDateDay = 2958465.0;   // 9999-12-31

// Dates before 100-01-01 become its midnight, dates after 9999-12-31 its last second, NaN counts as 0;
// the time of day is rounded to the nearest second. A negative date counts its fraction forward from
// the day's midnight.
CivilTime CivilFromOleDate(double date) noexcept;
double OleDateFromCivil(const CivilTime& time) noexcept;

}  // namespace velmora
