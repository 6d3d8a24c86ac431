#include "commands/date_time.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {

void PrintTo(const CivilTime& time, std::ostream* out) {
    *out << time.year << "-" << time.month << "-" << time.day << " " << time.hour << ":" << time.minute << ":"
         << time.second;
}

namespace {

TEST(DateTimeTest, CalendarDaysMatchOleSerials) {
    const struct {
        CivilTime time;
        double date;
    } cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0},    {{1900, 3, 1, 0, 0, 0}, 61},        {{2000, 2, 29, 0, 0, 0}, 36585},
        {{2021, 5, 1, 0, 0, 0}, 44317},  {{2021, 5, 1, 12, 0, 0}, 44317.5},  {{1899, 12, 29, 6, 0, 0}, -1.25},
        {{100, 1, 1, 0, 0, 0}, -657434}, {{9999, 12, 31, 0, 0, 0}, 2958465},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(OleDateFromCivil(c.time), c.date);
        EXPECT_EQ(CivilFromOleDate(c.date), c.time);
    }
}

TEST(DateTimeTest, TimeOfDayRoundsToTheNearestSecond) {
    EXPECT_EQ(CivilFromOleDate(44317 + 0.4 / 86400), (CivilTime{2021, 5, 1, 0, 0, 0}));
    EXPECT_EQ(CivilFromOleDate(44317 + 59.6 / 86400), (CivilTime{2021, 5, 1, 0, 1, 0}));
    EXPECT_EQ(CivilFromOleDate(44317.9999999), (CivilTime{2021, 5, 2, 0, 0, 0}));
    EXPECT_EQ(CivilFromOleDate(-1.9999999), (CivilTime{1899, 12, 30, 0, 0, 0}));
}

TEST(DateTimeTest, OutOfRangeDatesAreClamped) {
    EXPECT_EQ(CivilFromOleDate(-1e300), (CivilTime{100, 1, 1, 0, 0, 0}));
    EXPECT_EQ(CivilFromOleDate(1e300), (CivilTime{9999, 12, 31, 23, 59, 59}));
    EXPECT_EQ(CivilFromOleDate(2958465.9999999), (CivilTime{9999, 12, 31, 23, 59, 59}));
    EXPECT_EQ(CivilFromOleDate(std::nan("")), (CivilTime{1899, 12, 30, 0, 0, 0}));
}

}  // namespace
}  // namespace velmora
