#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "commands/text_commands.h"
#include "tests/native/commands/value_builders.h"

namespace velmora::test {
namespace {

constexpr double kMay1st2021 = 44317.0;

TEST(ConversionTest, ToIntegerConvertsEveryType) {
    const struct {
        ValueRecord value;
        int32_t expected;
        const char* label;
    } cases[] = {
        {Text(" 12ab"), 12, "leading space"},
        {Text("\t\n-8x"), -8, "C white space"},
        {Text("+7"), 7, "plus sign"},
        {Text("abc"), 0, "no digits"},
        {Text(""), 0, "empty"},
        {Text(nullptr), 0, "null"},
        {Text("- 5"), 0, "sign apart from digits"},
        {Text("\xA3\xAD\xA3\xB5"), -5, "full-width minus and five"},
        {Text("４２"), 42, "full-width digits"},
        {Text("\xA1\xA1 42"), 42, "full-width space"},
        {Text("1２3"), 123, "mixed widths"},
        {Text("12中3"), 12, "other double-byte character stops"},
        {Text("7\xA3"), 7, "lead byte at the end"},
        {Text("99999999999"), INT32_MAX, "saturates up"},
        {Text("-99999999999"), INT32_MIN, "saturates down"},
        {Text("-2147483648"), INT32_MIN, "smallest integer"},
        {Double(3.9), 3, "double truncates"},
        {Double(-3.9), -3, "negative double truncates toward zero"},
        {Double(1e20), INT32_MIN, "double out of range"},
        {Float(2.5f), 2, "float"},
        {Boolean(true), 1, "true"},
        {Boolean(false), 0, "false"},
        {Byte(200), 200, "byte zero-extended"},
        {Short(-2), -2, "short sign-extended"},
        {Integer(-77), -77, "integer"},
        {Long(0x100000005LL), 5, "long low word"},
        {Record(kTypeRoutine, 0x401000), 0x401000, "routine pointer"},
        {DateTime(kMay1st2021), 0, "date-time"},
        {Record(kTypeBytes, 0), 0, "byte string"},
        {Record(0x10030, 0x1234), 0, "object"},
        {Omitted(), 0, "omitted"},
    };
    for (const auto& c : cases) {
        Result result;
        Call(ToInteger, result, {c.value});
        EXPECT_EQ(result.record().type, kTypeInteger) << c.label;
        EXPECT_EQ(result.AsInteger(), c.expected) << c.label;
    }
}

TEST(ConversionTest, ToTextWritesEveryScalarType) {
    const struct {
        ValueRecord value;
        const char* expected;
    } cases[] = {
        {Boolean(true), "真"},
        {Boolean(false), "假"},
        {DateTime(kMay1st2021), "2021年5月1日"},
        {DateTime(kMay1st2021 + 8.5 / 24), "2021年5月1日8时30分"},
        {DateTime(kMay1st2021 + 8.0 / 24), "2021年5月1日8时"},
        {DateTime(kMay1st2021 + (8 * 3600 + 30 * 60 + 5) / 86400.0), "2021年5月1日8时30分5秒"},
        {DateTime(kMay1st2021 + 59.0 / 86400), "2021年5月1日0时0分59秒"},
        {DateTime(0), "1899年12月30日"},
        {DateTime(-1.25), "1899年12月29日6时"},
        {DateTime(2958465.5), "9999年12月31日12时"},
        {DateTime(1e7), "9999年12月31日23时59分59秒"},
        {DateTime(-1e7), "100年1月1日"},
        {DateTime(-657434.5), "100年1月1日12时"},
        {Byte(255), "255"},
        {Short(-5), "-5"},
        {Integer(-123), "-123"},
        {Long(INT64_MIN), "-9223372036854775808"},
        {Float(0.1f), "0.1"},
        {Float(1234567.0f), "1.23457e+06"},
        {Double(1.0 / 3), "0.3333333333333"},
        {Double(1e20), "1e+20"},
        {Double(-2.5), "-2.5"},
        {Text("abc"), "abc"},
        {Text("信息："), "信息："},
        {Text(""), ""},
        {Text(nullptr), ""},
        {Record(kTypeRoutine, 0x401000), ""},
        {Record(0x10030, 0x1234), ""},
        {Omitted(), ""},
    };
    for (const auto& c : cases) {
        Result result;
        Call(ToText, result, {c.value});
        EXPECT_EQ(result.record().type, kTypeText);
        EXPECT_EQ(result.AsText(), c.expected);
        if (*c.expected == '\0') {
            EXPECT_EQ(result.TextPointer(), nullptr) << "empty text must be null";
        }
    }
}

TEST(ConversionTest, ToTextTakesDataBytesUpToTheFirstZero) {
    const char bytes[] = {'a', 'b', '\0', 'c'};
    const char noZero[] = {'x', 'y'};
    const uint32_t words[] = {0x64636261, 0x00006665};
    const int16_t shorts[] = {0x6968, 0x6B6A};
    const char* texts[] = {"t"};
    const ArrayBlock byteString(4, bytes, 1);
    const ArrayBlock whole(2, noZero, 1);
    const ArrayBlock integers(2, words, 4);
    const ArrayBlock shortArray(2, shorts, 2);
    const ArrayBlock textArray(1, texts, sizeof(char*));
    const struct {
        ValueRecord value;
        const char* expected;
    } cases[] = {
        {byteString.As(kTypeBytes), "ab"},
        {whole.As(kTypeBytes), "xy"},
        {Record(kTypeBytes, 0), ""},
        {integers.As(kTypeInteger | kArrayFlag), "abcdef"},
        {shortArray.As(kTypeShort | kArrayFlag), "hijk"},
        {textArray.As(kTypeText | kArrayFlag), ""},
    };
    for (const auto& c : cases) {
        Result result;
        Call(ToText, result, {c.value});
        EXPECT_EQ(result.AsText(), c.expected);
    }
}

}  // namespace
}  // namespace velmora::test
