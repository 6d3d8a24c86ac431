#include <gtest/gtest.h>

#include <cstring>

#include "app/texts.h"
#include "runtime/heap.h"

namespace velmora {
namespace {

TEST(TextsTest, MissingTextsCountAsEmpty) {
    EXPECT_TRUE(TextsEqual(nullptr, ""));
    EXPECT_TRUE(TextsEqual("", nullptr));
    EXPECT_TRUE(TextsEqual(nullptr, nullptr));
    EXPECT_FALSE(TextsEqual(nullptr, "a"));
    EXPECT_TRUE(TextsEqual("桌面", "桌面"));
    EXPECT_LT(CompareTexts("a", "b"), 0);
    EXPECT_GT(CompareTexts("\xB0\xA1", "a"), 0) << "bytes compare unsigned";
}

TEST(TextsTest, ConcatenationHasTheSumOfTheLengths) {
    char* joined = ConcatTexts({"[IconNum:", nullptr, "12", "", "]"});
    ASSERT_NE(joined, nullptr);
    EXPECT_STREQ(joined, "[IconNum:12]");
    EXPECT_EQ(std::strlen(joined), 12u);
    HeapRelease(joined);
    EXPECT_EQ(ConcatTexts({nullptr, ""}), nullptr);
    EXPECT_EQ(ConcatTexts({}), nullptr);
}

TEST(TextsTest, TruncationTowardZero) {
    EXPECT_EQ(TruncateToInteger(65536.0 * 3.9), 255590);
    EXPECT_EQ(TruncateToInteger(-1.9), -1);
    EXPECT_EQ(TruncateToInteger(1e12), INT32_MIN);
}

}  // namespace
}  // namespace velmora
