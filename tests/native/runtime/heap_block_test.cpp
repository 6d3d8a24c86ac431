#include <gtest/gtest.h>

#include <utility>

#include "runtime/heap.h"
#include "runtime/heap_block.h"

namespace velmora {
namespace {

// Each block is freed exactly once, whatever the path; the sanitizer build sees a double free or a leak.
TEST(HeapBlockTest, OwnsExactlyOneBlock) {
    Text text(NewText("一"));
    text.reset(text.get());  // the same block again: kept, not freed
    EXPECT_STREQ(text.get(), "一");

    Text moved(std::move(text));
    EXPECT_FALSE(text);
    EXPECT_STREQ(moved.get(), "一");

    Text assigned(NewText("二"));
    assigned = std::move(moved);  // frees "二"
    EXPECT_STREQ(assigned.get(), "一");

    char* released = assigned.release();
    EXPECT_FALSE(assigned);
    HeapRelease(released);

    Text empty;
    empty.reset(nullptr);
    EXPECT_FALSE(empty);
}

}  // namespace
}  // namespace velmora
