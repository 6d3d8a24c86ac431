// The portable rules behind the components: the file dialog's filter list and the edit box's input
// modes.
#include <gtest/gtest.h>

#include <string>

#include "components/date_time_text.h"
#include "components/edit_input.h"
#include "components/file_filter.h"

namespace velmora {
namespace {

using namespace std::string_literals;

struct FilterCase {
    const char* filter;
    std::string expected;
};

TEST(Win32FileFilterTest, CompletesTheListAndEndsEachPartWithAZeroByte) {
    const FilterCase cases[] = {
        {"配置文件(*.ini)|*.ini", "配置文件(*.ini)\0*.ini\0\0"s},
        {"文本|*.txt||", "文本\0*.txt\0\0"s},
        {"文本|*.txt|所有|*.*  \t", "文本\0*.txt\0所有\0*.*\0\0"s},
        {"", ""s},
        {"   ", ""s},
        // 0xC7 0x7C is one double-byte character whose trail byte is "|".
        {"\xC7\x7C|*.a", "\xC7\x7C\0*.a\0\0"s},
    };
    for (const FilterCase& c : cases) {
        EXPECT_EQ(Win32FileFilter(c.filter), c.expected) << c.filter;
    }
}

struct NormaliseCase {
    int32_t mode;
    const char* content;
    const char* expected;
};

TEST(EditInputTest, NormalisesTheContentByMode) {
    const NormaliseCase cases[] = {
        {kInputByte, "300", "255"},
        {kInputByte, "-4", ""},
        {kInputShort, "40000", "32767"},
        {kInputShort, "-40000", "-32768"},
        {kInputInteger, "9999999999", "2147483647"},
        {kInputInteger, "0", ""},
        {kInputLong, "9999999999", "9999999999"},
        {kInputFloat, "3.14159265", "3.14159"},
        {kInputDouble, "0.1", "0.1"},
        {kInputDouble, "abc", ""},
        {kInputIntegerText, "007", "007"},
        {kInputNormal, "任何", "任何"},
        {kInputDateTime, "2021-5-1 8:30", "2021年5月1日8时30分"},
        {kInputDateTime, "2021年5月1日", "2021年5月1日"},
        {kInputDateTime, "2021-2-30", ""},
        {kInputDateTime, "明天", ""},
    };
    for (const NormaliseCase& c : cases) {
        EXPECT_EQ(NormalisedContent(c.mode, c.content), c.expected) << "mode " << c.mode << ", " << c.content;
    }
}

TEST(EditInputTest, FiltersTypedCharactersByMode) {
    EXPECT_TRUE(AcceptsTypedCharacter(kInputInteger, '-'));
    EXPECT_FALSE(AcceptsTypedCharacter(kInputInteger, '.'));
    EXPECT_TRUE(AcceptsTypedCharacter(kInputDouble, '.'));
    EXPECT_FALSE(AcceptsTypedCharacter(kInputByte, '-'));
    EXPECT_FALSE(AcceptsTypedCharacter(kInputFloat, 'e'));
    EXPECT_FALSE(AcceptsTypedCharacter(kInputShort, 0xC4));
    EXPECT_TRUE(AcceptsTypedCharacter(kInputByte, '\b'));
    EXPECT_TRUE(AcceptsTypedCharacter(kInputPassword, 'x'));
    EXPECT_TRUE(AcceptsTypedCharacter(kInputDateTime, 0xC4));
}

}  // namespace
}  // namespace velmora
