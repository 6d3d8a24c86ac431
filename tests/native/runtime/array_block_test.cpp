#include <gtest/gtest.h>

#include <cstring>

#include "runtime/array_block.h"
#include "runtime/heap.h"
#include "runtime/heap_list.h"
#include "runtime/value.h"

namespace velmora {
namespace {

TEST(ArrayBlockTest, OneDimensionalLayout) {
    struct Case {
        uint32_t count;
        uint32_t elementSize;
    };
    const Case cases[] = {{0, 4}, {1, 4}, {5, 4}, {3, 8}, {7, 1}};
    for (const Case& c : cases) {
        void* array = NewArrayBlock(c.count, c.elementSize);
        EXPECT_EQ(DimensionCount(array), 1u);
        EXPECT_EQ(ElementCount(array), c.count);
        EXPECT_EQ(ArrayBlockSize(array, c.elementSize), 8 + c.count * c.elementSize);
        EXPECT_EQ(static_cast<uint8_t*>(ArrayElements(array)) - static_cast<uint8_t*>(array), 8);
        const auto* elements = static_cast<const uint8_t*>(ArrayElements(array));
        for (uint32_t i = 0; i < c.count * c.elementSize; ++i) {
            EXPECT_EQ(elements[i], 0) << "elements start zeroed";
        }
        HeapRelease(array);
    }
}

TEST(ArrayBlockTest, ElementCountIsTheProductOfTheDimensions) {
    const uint32_t twoByThree[] = {2, 2, 3, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(ElementCount(twoByThree), 6u);
    EXPECT_EQ(ArrayBlockSize(twoByThree, 4), 12u + 24u);
    EXPECT_EQ(ArrayElements(twoByThree), static_cast<const void*>(twoByThree + 3));
    EXPECT_EQ(ElementCount(&kEmptyArray), 0u);
    EXPECT_EQ(ElementCount(nullptr), 0u);
}

TEST(ArrayBlockTest, FreeByElementTypeOwnsTextsAndByteStrings) {
    const uint32_t types[] = {kTypeText, kTypeBytes, kTypeText | kArrayFlag};
    for (uint32_t type : types) {
        void* array = NewArrayBlock(3, sizeof(void*));
        auto* elements = static_cast<void**>(ArrayElements(array));
        elements[0] = type == kTypeBytes ? static_cast<void*>(NewBytes("ab", 2)) : NewText("a");
        elements[2] = type == kTypeBytes ? static_cast<void*>(NewBytes("c", 1)) : NewText("c");
        FreeArrayByElementType(type, array);  // leaks show under LeakSanitizer
    }
    void* numbers = NewArrayBlock(4, 4);
    static_cast<uint32_t*>(ArrayElements(numbers))[0] = 0x1234;  // not a pointer: must not be freed
    FreeArrayByElementType(kTypeInteger, numbers);
    FreeArrayByElementType(kTypeText, nullptr);
}

TEST(HeapListTest, GrowsRemovesAndClears) {
    HeapList<uint32_t> list;
    for (uint32_t i = 0; i < 100; ++i) {
        list.Append(i);
    }
    ASSERT_EQ(list.Count(), 100u);
    list.RemoveAt(0);
    list.RemoveAt(98);
    EXPECT_EQ(list.Count(), 98u);
    EXPECT_EQ(list[0], 1u);
    EXPECT_EQ(list[97], 98u);
    list.Clear();
    EXPECT_EQ(list.Count(), 0u);
    list.Append(7);
    EXPECT_EQ(list[0], 7u);
}

}  // namespace
}  // namespace velmora
