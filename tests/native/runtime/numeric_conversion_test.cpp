#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "runtime/numeric_conversion.h"

namespace velmora {
namespace {

ValueRecord FloatRecord(float value) {
    return {std::bit_cast<uint32_t>(value), 0, kTypeFloat};
}

ValueRecord DoubleRecord(double value, uint32_t type = kTypeDouble) {
    const auto bits = std::bit_cast<uint64_t>(value);
    return {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), type};
}

TEST(NumericConversionTest, ConvertsEachNumericType) {
    struct Case {
        const char* name;
        ValueRecord value;
        int32_t expected;
    };
    const Case cases[] = {
        {"byte is zero-extended", {0xFFFFFF80, 0, kTypeByte}, 0x80},
        {"short is sign-extended", {0x0001FFFE, 0, kTypeShort}, -2},
        {"integer as is", {0xFFFFFFF9, 0, kTypeInteger}, -7},
        {"long keeps its low word", {0x00000005, 0x00000001, kTypeLong}, 5},
        {"float truncates toward zero", FloatRecord(-2.75f), -2},
        {"positive float", FloatRecord(3.99f), 3},
        {"double truncates toward zero", DoubleRecord(1234567.9), 1234567},
        {"negative double", DoubleRecord(-0.5), 0},
        {"largest integer", DoubleRecord(2147483647.0), INT32_MAX},
        {"smallest integer", DoubleRecord(-2147483648.9), INT32_MIN},
        {"double beyond range", DoubleRecord(1e20), INT32_MIN},
        {"not a number", DoubleRecord(std::numeric_limits<double>::quiet_NaN()), INT32_MIN},
        {"infinite float", FloatRecord(std::numeric_limits<float>::infinity()), INT32_MIN},
    };
    for (const Case& c : cases) {
        int32_t result = 12345;
        EXPECT_TRUE(NumericToInteger(c.value, &result)) << c.name;
        EXPECT_EQ(result, c.expected) << c.name;
        EXPECT_EQ(NumericValueToInteger(c.value), c.expected) << c.name;
    }
}

TEST(NumericConversionTest, RefusesEveryOtherType) {
    const uint32_t types[] = {
        kTypeNone, kTypeBoolean, kTypeDateTime, kTypeText, kTypeBytes, kTypeRoutine, kTypeInteger | kArrayFlag,
        0x00010003};
    for (uint32_t type : types) {
        int32_t result = 12345;
        EXPECT_FALSE(NumericToInteger(ValueRecord{1, 0, type}, &result)) << std::hex << type;
        EXPECT_EQ(result, 12345);
    }
}

TEST(NumericConversionDeathTest, NonNumericIsARuntimeError) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(NumericValueToInteger(DoubleRecord(1.0, kTypeDateTime)), ::testing::ExitedWithCode(255), "");
}

}  // namespace
}  // namespace velmora
