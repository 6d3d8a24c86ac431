// Where the restore moves which icon, worked out on its own picture of the desktop: every icon's
// caption and the left and top it stands at now (bounds coordinates, as the layout file stores them).
// An icon that stands on a destination is parked on a free cell of a fixed grid and then takes the
// moved icon's old place, so the two change places.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora {

struct PlannerIcon {
    std::string caption;
    int32_t left = 0;
    int32_t top = 0;
};

struct IconMove {
    int32_t icon = 0;  // the icon's place in list-view order
    int32_t x = 0;
    int32_t y = 0;
};

struct GridCell {
    int32_t x = 0;
    int32_t y = 5;
};

class PlacementPlanner {
  public:
    explicit PlacementPlanner(std::vector<PlannerIcon> icons);

    // Icons that share a caption (extensions hidden) are told apart by their order: the k-th entry
    // of a caption in the file stands for the k-th icon of that caption in list-view order.
    std::optional<int32_t> IconFor(std::string_view caption, int32_t occurrence) const;
    bool IsIconOnDesktop(std::string_view caption, int32_t occurrence) const {
        return IconFor(caption, occurrence).has_value();
    }

    bool IsSlotOccupied(int32_t x, int32_t y) const;
    bool IsIconInPlace(int32_t icon, int32_t x, int32_t y) const;

    // The moves that put the icon's left and top at (x, y), in the order they are to be made: none
    // when it is there already; one when the place is free or no grid cell is; else three (park the
    // icon in the way, move this one, move the parked one to this one's old place). The picture
    // follows every move.
    std::vector<IconMove> Place(int32_t icon, int32_t x, int32_t y);

    const PlannerIcon& Icon(int32_t icon) const { return icons_[static_cast<size_t>(icon)]; }
    GridCell FreeSlot() const { return freeSlot_; }

  private:
    static uint64_t Key(int32_t x, int32_t y);
    // The first icon in list-view order at (x, y) other than the one given, or -1.
    int32_t FirstAtExcept(int32_t x, int32_t y, int32_t except) const;
    // Makes sure the parking cell is free: the first free grid cell when the current one is taken;
    // false when every cell is taken.
    bool FindFreeSlot();
    void Move(int32_t icon, int32_t x, int32_t y, std::vector<IconMove>& moves);

    std::vector<PlannerIcon> icons_;
    std::unordered_map<std::string, std::vector<int32_t>> byCaption_;
    std::unordered_map<uint64_t, std::vector<int32_t>> byPosition_;  // each list in list-view order
    GridCell freeSlot_;
};

}  // namespace velmora
