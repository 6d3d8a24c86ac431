#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/restore/placement_planner.h"

namespace velmora {
namespace {

struct Expected {
    int32_t icon;
    int32_t x;
    int32_t y;
};

void ExpectMoves(const std::vector<IconMove>& moves, const std::vector<Expected>& expected) {
    ASSERT_EQ(moves.size(), expected.size());
    for (size_t i = 0; i < moves.size(); ++i) {
        EXPECT_EQ(moves[i].icon, expected[i].icon) << "move " << i;
        EXPECT_EQ(moves[i].x, expected[i].x) << "move " << i;
        EXPECT_EQ(moves[i].y, expected[i].y) << "move " << i;
    }
}

TEST(PlacementPlannerTest, AFreePlaceTakesOneMoveAndAnIconInPlaceNone) {
    PlacementPlanner planner({{"A", 100, 100}, {"B", 300, 300}});
    ExpectMoves(planner.Place(0, 100, 100), {});
    ExpectMoves(planner.Place(0, 200, 200), {{0, 200, 200}});
    EXPECT_TRUE(planner.IsIconInPlace(0, 200, 200));
    EXPECT_FALSE(planner.IsSlotOccupied(100, 100));
    EXPECT_TRUE(planner.IsSlotOccupied(200, 200));
}

TEST(PlacementPlannerTest, AnIconInTheWayIsParkedAndTakesTheMovedIconsOldPlace) {
    PlacementPlanner planner({{"A", 500, 500}, {"B", 100, 100}});
    ExpectMoves(planner.Place(0, 100, 100), {{1, 0, 5}, {0, 100, 100}, {1, 500, 500}});
    EXPECT_TRUE(planner.IsIconInPlace(0, 100, 100));
    EXPECT_TRUE(planner.IsIconInPlace(1, 500, 500));
    EXPECT_FALSE(planner.IsSlotOccupied(0, 5));
}

TEST(PlacementPlannerTest, TheParkingCellIsTheFirstFreeGridCellWhenTheCornerIsTaken) {
    PlacementPlanner planner({{"A", 500, 500}, {"B", 100, 100}, {"C", 0, 5}});
    ExpectMoves(planner.Place(0, 100, 100), {{1, 1824, 950}, {0, 100, 100}, {1, 500, 500}});
    EXPECT_EQ(planner.FreeSlot().x, 1824);
    EXPECT_EQ(planner.FreeSlot().y, 950);
}

TEST(PlacementPlannerTest, GridCellsAreScannedRowByRowFromTheBottomRight) {
    std::vector<PlannerIcon> icons = {{"A", 3000, 3000}, {"B", 100, 100}, {"corner", 0, 5}};
    for (int32_t x = 1824; x >= 1748; x -= 76)
        icons.push_back({"row", x, 950});
    PlacementPlanner planner(icons);
    ExpectMoves(planner.Place(0, 100, 100), {{1, 1672, 950}, {0, 100, 100}, {1, 3000, 3000}});
}

TEST(PlacementPlannerTest, WithEveryGridCellTakenTheIconIsPlacedWithoutParking) {
    std::vector<PlannerIcon> icons = {{"A", 3000, 3000}, {"B", 100, 100}};
    for (int32_t row = 0; row < 10; ++row) {
        for (int32_t column = 0; column < 25; ++column)
            icons.push_back({"cell", column * 76, row * 105 + 5});
    }
    PlacementPlanner planner(icons);
    ExpectMoves(planner.Place(0, 100, 100), {{0, 100, 100}});
    EXPECT_TRUE(planner.IsIconInPlace(1, 100, 100));
}

TEST(PlacementPlannerTest, IconsOfOneCaptionAreToldApartByTheirOrder) {
    PlacementPlanner planner({{"report", 10, 10}, {"other", 0, 0}, {"report", 20, 20}});
    EXPECT_EQ(planner.IconFor("report", 0), 0);
    EXPECT_EQ(planner.IconFor("report", 1), 2);
    EXPECT_FALSE(planner.IconFor("report", 2));
    EXPECT_FALSE(planner.IconFor("Report", 0)) << "captions match case-sensitively";
    EXPECT_TRUE(planner.IsIconOnDesktop("other", 0));
    EXPECT_FALSE(planner.IsIconOnDesktop("missing", 0));
}

TEST(PlacementPlannerTest, AnIconOfTheSameCaptionInTheWayIsParkedToo) {
    PlacementPlanner planner({{"report", 10, 10}, {"report", 20, 20}});
    ExpectMoves(planner.Place(1, 10, 10), {{0, 0, 5}, {1, 10, 10}, {0, 20, 20}});
}

TEST(PlacementPlannerTest, TheFirstIconInListViewOrderIsTheOneParked) {
    PlacementPlanner planner({{"A", 500, 500}, {"C", 100, 100}, {"B", 100, 100}});
    const std::vector<IconMove> moves = planner.Place(0, 100, 100);
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[0].icon, 1);
    // B stays where it was; C takes A's old place.
    EXPECT_TRUE(planner.IsIconInPlace(2, 100, 100));
    EXPECT_TRUE(planner.IsIconInPlace(1, 500, 500));
}

}  // namespace
}  // namespace velmora
