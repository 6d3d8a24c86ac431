#include "app/layout/layout_choice.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr StoredScreen kLaptop = {1366, 768};
constexpr StoredScreen kDocked = {1920, 1080};
constexpr StoredScreen kProjector = {1024, 768};

TEST(LayoutChoice, NewestOfTheScreenSize) {
    const std::vector<LayoutCandidate> files = {
        {"docked old.ini", 100, kDocked},   {"laptop.ini", 400, kLaptop},   {"docked new.ini", 300, kDocked},
        {"projector.ini", 500, kProjector}, {"no screen.ini", 900, {0, 0}}, {"docked older.ini", 50, kDocked},
    };
    EXPECT_EQ(NewestLayout(files, kDocked), std::optional<size_t>(2));
    EXPECT_EQ(NewestLayout(files, kLaptop), std::optional<size_t>(1));
    EXPECT_EQ(NewestLayout(files, StoredScreen{800, 600}), std::nullopt);
    EXPECT_EQ(NewestLayout(files), std::optional<size_t>(4)) << "without a size, the newest of all";
    EXPECT_EQ(NewestLayout({}, kDocked), std::nullopt);
}

TEST(LayoutChoice, SameTimeGoesByName) {
    const std::vector<LayoutCandidate> files = {
        {"2026年1月2日3时4分5秒 (2).ini", 700, kDocked},
        {"2026年1月2日3时4分5秒 (3).ini", 700, kDocked},
        {"2026年1月2日3时4分5秒.ini", 600, kDocked},
    };
    EXPECT_EQ(NewestLayout(files, kDocked), std::optional<size_t>(1));
}

TEST(LayoutChoice, KeepsTheNewestAndLetsTheRestGo) {
    std::vector<LayoutCandidate> files;
    for (uint64_t age : {5, 1, 9, 3, 7, 2})
        files.push_back({"f" + std::to_string(age), 100 - age, kDocked});
    EXPECT_EQ(LayoutsBeyondNewest(files, 3), (std::vector<size_t>{0, 4, 2}));
    EXPECT_EQ(LayoutsBeyondNewest(files, 6), std::vector<size_t>{});
    EXPECT_EQ(LayoutsBeyondNewest(files, 0).size(), 6u);
}

}  // namespace
}  // namespace velmora
