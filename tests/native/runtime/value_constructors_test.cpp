#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/array_block.h"
#include "runtime/heap.h"

namespace velmora {
namespace {

std::string TextOf(const char* text) {
    return text == nullptr ? std::string() : std::string(text);
}

TEST(NewTextTest, EmptyResultsAreNull) {
    EXPECT_EQ(NewText(nullptr), nullptr);
    EXPECT_EQ(NewText(""), nullptr);
    EXPECT_EQ(NewText("abc", 0), nullptr);
    EXPECT_EQ(NewText("abc", -3), nullptr);
    EXPECT_EQ(NewText(nullptr, 5), nullptr);
}

TEST(NewTextTest, CopiesIntoItsOwnBlock) {
    char source[] = "桌面图标";
    char* copy = NewText(source);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, source);
    source[0] = 'x';
    EXPECT_EQ(TextOf(copy), "桌面图标");
    HeapRelease(copy);
}

TEST(NewTextTest, TakesExactlyLengthBytesAndTerminates) {
    const char bytes[] = {'a', 'b', 'c', 'd'};  // no terminator: reading past 3 bytes is a fault
    char* text = NewText(bytes, 3);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::strlen(text), 3u);
    EXPECT_EQ(TextOf(text), "abc");
    HeapRelease(text);
}

TEST(NewBytesTest, EmptyIsNull) {
    EXPECT_EQ(NewBytes("x", 0), nullptr);
    EXPECT_EQ(NewBytes("x", -1), nullptr);
    EXPECT_EQ(BytesLength(nullptr), 0);
}

TEST(NewBytesTest, IsAOneDimensionalArrayOfBytes) {
    const uint8_t source[] = {0, 0xFF, 0x0D, 0x0A, 7};
    uint8_t* bytes = NewBytes(source, 5);
    ASSERT_NE(bytes, nullptr);
    uint32_t header[2];
    std::memcpy(header, bytes, sizeof(header));
    EXPECT_EQ(header[0], 1u);
    EXPECT_EQ(header[1], 5u);
    EXPECT_EQ(BytesLength(bytes), 5);
    EXPECT_EQ(std::memcmp(BytesData(bytes), source, 5), 0);
    EXPECT_EQ(std::memcmp(bytes + 8, source, 5), 0);
    HeapRelease(bytes);
}

TEST(HeapTest, ReallocateKeepsContentAndNullAllocates) {
    auto* block = static_cast<char*>(HeapReallocate(nullptr, 4));
    std::memcpy(block, "abc", 4);
    block = static_cast<char*>(HeapReallocate(block, 4096));
    EXPECT_STREQ(block, "abc");
    block = static_cast<char*>(HeapReallocate(block, 2));
    EXPECT_EQ(block[0], 'a');
    HeapRelease(block);
    HeapRelease(nullptr);
}

TEST(HeapTest, ZeroSizedBlocksAreRealBlocks) {
    void* block = HeapAllocate(0);
    EXPECT_NE(block, nullptr);
    block = HeapReallocate(block, 0);
    EXPECT_NE(block, nullptr);
    HeapRelease(block);
}

}  // namespace
}  // namespace velmora
