#include "runtime/unique_handle.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace velmora {
namespace {

std::vector<int> closed;

// Handles are small numbers and -1 is the empty one, as INVALID_HANDLE_VALUE is for search handles:
// an owner must never take the empty value for a handle, nor zero for an empty one.
struct NumberTraits {
    using Handle = int;
    static Handle Empty() noexcept { return -1; }
    static void Close(Handle handle) noexcept { closed.push_back(handle); }
};

using Number = UniqueHandle<NumberTraits>;

class UniqueHandleTest : public testing::Test {
  protected:
    void SetUp() override { closed.clear(); }
};

TEST_F(UniqueHandleTest, EveryHandleIsClosedExactlyOnceByItsLastOwner) {
    {
        Number first(0);
        Number second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_TRUE(second);
        Number third(7);
        third = std::move(second);
        EXPECT_EQ(closed, std::vector<int>{7}) << "the handle it held is closed when it takes another";
        EXPECT_EQ(third.get(), 0);
    }
    EXPECT_EQ(closed, (std::vector<int>{7, 0}));
}

TEST_F(UniqueHandleTest, EmptyOwnersCloseNothing) {
    {
        Number none;
        Number invalid(-1);
        EXPECT_FALSE(none);
        EXPECT_FALSE(invalid);
        EXPECT_EQ(none.get(), -1);
        none.reset();
    }
    EXPECT_TRUE(closed.empty());
}

TEST_F(UniqueHandleTest, ReleaseGivesOwnershipAwayAndResetTakesItOn) {
    Number owner(3);
    EXPECT_EQ(owner.release(), 3);
    EXPECT_FALSE(owner);
    owner.reset(4);
    owner.reset(5);
    EXPECT_EQ(closed, std::vector<int>{4});
    owner.reset();
    EXPECT_EQ(closed, (std::vector<int>{4, 5}));
}

}  // namespace
}  // namespace velmora
