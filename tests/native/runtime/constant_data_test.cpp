#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "runtime/array_block.h"
#include "runtime/constant_data.h"
#include "runtime/heap.h"
#include "runtime/value.h"

namespace velmora {
namespace {

// A program's literals as they lie in its constant data block.
struct ConstantData {
    uint32_t emptyArray[2];
    uint32_t numbers[5];
    uint32_t textHeader[2];
    const char* textElements[2];
    char hello[8];
};

class ConstantDataTest : public ::testing::Test {
  protected:
    void SetUp() override { SetConstantData(&constants_, sizeof(constants_)); }
    void TearDown() override { ForgetConstantData(); }

    // Not const: the block must be writable memory so that a wrong write would show, not crash.
    static ConstantData constants_;
};

ConstantData ConstantDataTest::constants_ = {{1, 0},
                                             {1, 3, 10, 20, 30},
                                             {1, 2},
                                             {ConstantDataTest::constants_.hello, nullptr},
                                             "hello"};

TEST_F(ConstantDataTest, RangeIsHalfOpen) {
    const auto start = reinterpret_cast<uintptr_t>(&constants_);
    const auto at = [start](intptr_t offset) { return reinterpret_cast<const void*>(start + offset); };
    EXPECT_TRUE(IsConstantData(at(0)));
    EXPECT_TRUE(IsConstantData(at(sizeof(constants_) - 1)));
    EXPECT_FALSE(IsConstantData(at(sizeof(constants_))));
    EXPECT_FALSE(IsConstantData(at(-1)));
    EXPECT_EQ(ConstantBytesFrom(constants_.hello), 8u);
    EXPECT_EQ(ConstantBytesFrom(at(-1)), 0u);
}

// Freeing a literal would hand the allocator a pointer it never gave out; the sanitizer build
// reports that at once.
TEST_F(ConstantDataTest, ReleaseLeavesLiteralsAlone) {
    HeapRelease(constants_.hello);
    HeapRelease(constants_.numbers);
    EXPECT_STREQ(constants_.hello, "hello");
}

TEST_F(ConstantDataTest, ReleaseFreesEverythingOutsideTheBlock) {
    ForgetConstantData();
    char* text = NewText("heap");
    SetConstantData(&constants_, sizeof(constants_));
    HeapRelease(text);  // a leak here shows under LeakSanitizer
}

TEST_F(ConstantDataTest, ReallocateCopiesAtMostTheRestOfTheBlock) {
    struct Case {
        void* source;
        uint32_t size;
        uint32_t copied;
    };
    const Case cases[] = {
        {constants_.hello, 64, 8},  // clipped at the end of the block
        {constants_.hello, 3, 3},   // clipped at the new size
        {constants_.numbers, 8, 8},
        {constants_.emptyArray, 8, 8},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> before(static_cast<uint8_t*>(c.source), static_cast<uint8_t*>(c.source) + c.copied);
        auto* copy = static_cast<uint8_t*>(HeapReallocate(c.source, c.size));
        EXPECT_FALSE(IsConstantData(copy));
        EXPECT_EQ(std::memcmp(copy, before.data(), c.copied), 0) << c.size;
        std::memset(copy, 0x5A, c.size);  // the whole new size is writable
        EXPECT_EQ(std::memcmp(c.source, before.data(), c.copied), 0) << "the literal stays as it was";
        HeapRelease(copy);
    }
}

TEST_F(ConstantDataTest, MakeArrayWritableCopiesTheEmptyLiteralToEightBytes) {
    void* array = constants_.emptyArray;
    MakeArrayWritable(4, &array);
    ASSERT_NE(array, static_cast<void*>(constants_.emptyArray));
    EXPECT_FALSE(IsConstantData(array));
    EXPECT_EQ(ArrayBlockSize(array, 4), 8u);
    EXPECT_EQ(DimensionCount(array), 1u);
    EXPECT_EQ(ElementCount(array), 0u);
    HeapRelease(array);
}

TEST_F(ConstantDataTest, MakeArrayWritableCopiesTheWholeBlockOnce) {
    void* array = constants_.numbers;
    MakeArrayWritable(4, &array);
    ASSERT_FALSE(IsConstantData(array));
    auto* elements = static_cast<uint32_t*>(ArrayElements(array));
    EXPECT_EQ(elements[2], 30u);
    elements[0] = 99;
    EXPECT_EQ(constants_.numbers[2], 10u);

    void* heapCopy = array;
    MakeArrayWritable(4, &array);
    EXPECT_EQ(array, heapCopy) << "a heap block is left alone";
    HeapRelease(array);
}

TEST_F(ConstantDataTest, FreeArrayFreesHeapElementsButNotLiterals) {
    void* array = NewArrayBlock(3, sizeof(char*));
    auto* elements = static_cast<char**>(ArrayElements(array));
    elements[0] = NewText("one");
    elements[1] = constants_.hello;
    elements[2] = nullptr;
    FreeArrayByElementType(kTypeText | kArrayFlag, array);

    void* literal = constants_.textHeader;
    FreeArrayByElementType(kTypeText, literal);
}

}  // namespace
}  // namespace velmora
