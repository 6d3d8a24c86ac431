#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "commands/text_commands.h"
#include "tests/native/commands/value_builders.h"

namespace velmora::test {
namespace {
using Parts = std::vector<std::string>;

TEST(SplitTextTest, SplitsOnTheSeparatorUpToTheMaximum) {
    const struct {
        const char* text;
        std::optional<const char*> separator;
        std::optional<int32_t> maximum;
        Parts expected;
    } cases[] = {
        {"a,,b,", {}, {}, {"a", "", "b"}},
        {",a", {}, {}, {"", "a"}},
        {"a,b,c", {}, 2, {"a", "b"}},
        {"a,b,c", {}, 3, {"a", "b", "c"}},
        {"a,b,", {}, 2, {"a", "b"}},
        {"a,b", {}, 0, {}},
        {"a,b", {}, -3, {}},
        {"", {}, {}, {}},
        {nullptr, {}, {}, {}},
        {"a,b", "", {}, {"a,b"}},
        {"a,b", nullptr, {}, {"a,b"}},
        {"a--b--c", "--", {}, {"a", "b", "c"}},
        {"a-b", "--", {}, {"a-b"}},
        {"ab", "abc", {}, {"ab"}},
        {",", {}, {}, {""}},
        {"桌面,我的电脑,回收站", {}, {}, {"桌面", "我的电脑", "回收站"}},
        {"甲，乙", "，", {}, {"甲", "乙"}},
        // 0x5C is the trail byte of 0x95 0x5C and must not split.
        {"\x95\x5C"
         "a\\b",
         "\\",
         {},
         {"\x95\x5C"
          "a",
          "b"}},
        // The separator's bytes straddle two double-byte characters.
        {"\xB1\xA3\xAC\xA1", "\xA3\xAC", {}, {"\xB1\xA3\xAC\xA1"}},
        // A lead byte before the terminating zero ends the scan; the rest is the last part.
        {"a,\xB0", {}, {}, {"a", "\xB0"}},
        {"\xB0", {}, {}, {"\xB0"}},
    };
    for (const auto& c : cases) {
        std::vector<ValueRecord> args{Text(c.text)};
        if (c.separator || c.maximum) {
            args.push_back(c.separator ? Text(*c.separator) : Omitted());
        }
        if (c.maximum) {
            args.push_back(Integer(*c.maximum));
        }
        Result result;
        SplitText(result.get(), static_cast<int32_t>(args.size()), args.data());
        ASSERT_EQ(result.record().type, kTypeText | kArrayFlag);
        ASSERT_NE(result.Block(), nullptr);
        EXPECT_EQ(result.Block()[0], 1u);
        EXPECT_EQ(result.AsTexts(), c.expected) << (c.text ? c.text : "(null)");
    }
}

TEST(SplitTextTest, EmptyPartsAreNullPointers) {
    Result result;
    Call(SplitText, result, {Text("a,,b")});
    ASSERT_EQ(result.Block()[1], 3u);
    EXPECT_EQ(result.Block()[3], 0u);
}

}  // namespace
}  // namespace velmora::test
