#include <gtest/gtest.h>

#include "runtime/library_call.h"

namespace velmora {
namespace {

// Records what it was handed; returns the sum of its integer arguments only when the result was zeroed.
void SumCommand(ValueRecord* result, int32_t argCount, ValueRecord* args) {
    if (result->low != 0 || result->high != 0 || result->type != 0) {
        return;
    }
    uint32_t sum = 0;
    for (int32_t i = 0; i < argCount; ++i) {
        sum += args[i].type == kTypeNone ? 1000 : args[i].low;
    }
    *result = {sum, static_cast<uint32_t>(argCount), kTypeInteger};
}

void NothingCommand(ValueRecord*, int32_t, ValueRecord*) {}

TEST(LibraryCallTest, BothEntriesHandBackTheZeroedResultRecord) {
    ValueRecord args[] = {{5, 0, kTypeInteger}, {0, 0, kTypeNone}, {7, 0, kTypeInteger}};
    for (auto entry : {CallLibraryCommandA, CallLibraryCommandB}) {
        const ValueRecord result = entry(SumCommand, 3, args);
        EXPECT_EQ(result.low, 1012u);
        EXPECT_EQ(result.high, 3u);
        EXPECT_EQ(result.type, kTypeInteger);
        const ValueRecord nothing = entry(NothingCommand, 0, nullptr);
        EXPECT_EQ(nothing.low, 0u);
        EXPECT_EQ(nothing.high, 0u);
        EXPECT_EQ(nothing.type, 0u) << "a command that returns nothing leaves the zeroed record";
    }
}

}  // namespace
}  // namespace velmora
