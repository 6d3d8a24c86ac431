#include "commands/text_commands.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "tests/native/commands/value_builders.h"

namespace velmora::test {
namespace {

TEST(TextCommandsTest, TextLengthCountsBytes) {
    const struct {
        const char* text;
        int32_t length;
    } cases[] = {{nullptr, 0}, {"", 0}, {"abc", 3}, {"信息：", 6}, {"a\xB0", 2}};
    for (const auto& c : cases) {
        Result result;
        Call(TextLength, result, {Text(c.text)});
        EXPECT_EQ(result.record().type, kTypeInteger);
        EXPECT_EQ(result.AsInteger(), c.length) << (c.text ? c.text : "(null)");
    }
}

// An empty text result must be the null pointer, never an allocated "".
void ExpectText(const Result& result, const std::string& expected, const std::string& label) {
    EXPECT_EQ(result.record().type, kTypeText) << label;
    EXPECT_EQ(result.AsText(), expected) << label;
    if (expected.empty()) {
        EXPECT_EQ(result.TextPointer(), nullptr) << label;
    }
}

TEST(TextCommandsTest, TextLeftCutsBytes) {
    const struct {
        const char* text;
        int32_t count;
        const char* expected;
    } cases[] = {
        {"abc", 2, "ab"},        {"abc", 5, "abc"},   {"abc", 0, ""}, {"abc", -1, ""}, {"", 3, ""},
        {nullptr, 3, ""},        {"中文", 1, "\xD6"},  // cuts a double-byte character
        {"桌面图标", 4, "桌面"},
    };
    for (const auto& c : cases) {
        Result result;
        Call(TextLeft, result, {Text(c.text), Integer(c.count)});
        ExpectText(result, c.expected, std::string(c.text ? c.text : "(null)") + " " + std::to_string(c.count));
    }
}

TEST(TextCommandsTest, TextMiddleClipsAndRefusesOutOfRangeStarts) {
    const struct {
        int32_t start;
        int32_t count;
        const char* expected;
    } cases[] = {
        {2, 3, "bcd"},
        {1, 6, "abcdef"},
        {0, 3, ""},
        {7, 1, ""},
        {6, 10, "f"},
        {3, 0, ""},
        {3, -2, ""},
        {-5, 3, ""},
        {INT32_MIN, 3, ""},
        {INT32_MAX, 3, ""},
        {2, INT32_MAX, "bcdef"},
    };
    for (const auto& c : cases) {
        Result result;
        Call(TextMiddle, result, {Text("abcdef"), Integer(c.start), Integer(c.count)});
        ExpectText(result, c.expected, std::to_string(c.start) + "," + std::to_string(c.count));
    }
}

TEST(TextCommandsTest, CharFromCodeMakesOneByte) {
    const struct {
        ValueRecord code;
        const char* expected;
    } cases[] = {{Integer(65), "A"},    {Integer(0), ""}, {Integer(0xB0), "\xB0"},
                 {Integer(0x141), "A"}, {Byte(13), "\r"}, {Omitted(), ""}};
    for (const auto& c : cases) {
        Result result;
        Call(CharFromCode, result, {c.code});
        ExpectText(result, c.expected, std::to_string(c.code.low));
    }
}

TEST(TextCommandsTest, FindTextBackwardFindsTheLastOccurrenceBeforeStart) {
    const struct {
        const char* text;
        const char* sought;
        std::optional<int32_t> start;
        std::optional<bool> ignoreCase;
        int32_t expected;
    } cases[] = {
        {"C:\\a\\b.lnk", "\\", {}, {}, 5},
        {"C:\\a\\b.lnk", "/", {}, {}, -1},
        {"C:\\a\\b.lnk", "", {}, {}, 1},
        {"", "", {}, {}, -1},
        {"", "a", {}, {}, -1},
        {"C:\\a\\b.lnk", "\\", 5, {}, 3},  // the match at 5 does not lie before position 5
        {"C:\\a\\b.lnk", "\\", 6, {}, 5},
        {"C:\\a\\b.lnk", "\\", 1, {}, -1},
        {"abc", "", 1, {}, -1},
        {"abc", "", 0, {}, -1},
        {"abc", "", -7, {}, -1},
        {"abcabc", "c", 100, {}, 6},
        {"abcabc", "bc", 6, {}, 2},  // an occurrence must end inside the region
        {"aaa", "aa", {}, {}, 2},
        {"ABC", "b", {}, true, 2},
        {"ABC", "b", {}, false, -1},
        {"信息：文件", "：", {}, {}, 5},
        {"桌面\\图标\\", "\\", {}, {}, 10},
        // 0x5C is the trail byte of 0x95 0x5C: never a match starting there.
        {"\x95\x5C", "\\", {}, {}, -1},
        {"\x95\x5Cx\\", "\\", {}, {}, 4},
        {"\xB0\xA1\xB0\xA1", "\xA1\xB0", {}, {}, -1},
        // A lead byte just before the end is still compared, then the scan stops.
        {"a\xB0", "\xB0", {}, {}, 2},
    };
    for (const auto& c : cases) {
        Result result;
        std::vector<ValueRecord> args{Text(c.text), Text(c.sought)};
        if (c.start || c.ignoreCase) {
            args.push_back(c.start ? Integer(*c.start) : Omitted());
        }
        if (c.ignoreCase) {
            args.push_back(Boolean(*c.ignoreCase));
        }
        FindTextBackward(result.get(), static_cast<int32_t>(args.size()), args.data());
        EXPECT_EQ(result.AsInteger(), c.expected) << c.text << " / " << c.sought;
    }
}

TEST(TextCommandsTest, FindTextBackwardFoldsCaseOnlyForExactlyOne) {
    ValueRecord two = Boolean(true);
    two.low = 2;
    Result result;
    Call(FindTextBackward, result, {Text("ABC"), Text("b"), Omitted(), two});
    EXPECT_EQ(result.AsInteger(), -1);
}

TEST(TextCommandsTest, BytesLeftCutsByteStrings) {
    const char data[] = {'a', 'b', '\0', 'c'};
    const ArrayBlock bytes(4, data, 1);
    const struct {
        ValueRecord bytes;
        int32_t count;
        std::string expected;
    } cases[] = {
        {bytes.As(kTypeBytes), 2, "ab"}, {bytes.As(kTypeBytes), 9, std::string("ab\0c", 4)},
        {bytes.As(kTypeBytes), 0, ""},   {bytes.As(kTypeBytes), -1, ""},
        {Record(kTypeBytes, 0), 3, ""},  {Text("abc"), 3, ""},
    };
    for (const auto& c : cases) {
        Result result;
        Call(BytesLeft, result, {c.bytes, Integer(c.count)});
        EXPECT_EQ(result.record().type, kTypeBytes);
        EXPECT_EQ(result.AsBytes(), c.expected) << c.count;
        if (c.expected.empty()) {
            EXPECT_EQ(result.record().low, 0u);
        }
    }
}

TEST(TextCommandsTest, BitAndBitOrCombineEveryArgument) {
    const struct {
        void (*command)(ValueRecord*, int32_t, ValueRecord*) noexcept;
        std::vector<ValueRecord> args;
        int32_t expected;
    } cases[] = {
        {BitAnd, {Integer(0xF0), Integer(0x3C)}, 0x30},
        {BitAnd, {Integer(-1), Integer(0x7F), Integer(0x0F)}, 0x0F},
        {BitAnd, {Integer(0x55)}, 0x55},
        {BitAnd, {}, 0},
        {BitOr, {Integer(1), Integer(2), Integer(4)}, 7},
        {BitOr, {Integer(0x1000), Integer(0x30)}, 0x1030},
        {BitOr, {Integer(9)}, 9},
    };
    for (auto c : cases) {
        Result result;
        c.command(result.get(), static_cast<int32_t>(c.args.size()), c.args.data());
        EXPECT_EQ(result.AsInteger(), c.expected);
    }
}

}  // namespace
}  // namespace velmora::test
