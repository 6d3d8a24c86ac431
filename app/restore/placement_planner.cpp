#include "app/restore/placement_planner.h"

#include <algorithm>

namespace velmora {
namespace {

// The parking grid: 10 rows from y = 950 up to y = 5, each scanned from x = 1824 down to x = 0.
constexpr int32_t kGridRows = 10;
constexpr int32_t kGridColumns = 25;
constexpr int32_t kRowStep = 105;
constexpr int32_t kColumnStep = 76;
constexpr int32_t kRowOffset = 5;

void InsertSorted(std::vector<int32_t>& list, int32_t icon) {
    list.insert(std::lower_bound(list.begin(), list.end(), icon), icon);
}

}  // namespace

PlacementPlanner::PlacementPlanner(std::vector<PlannerIcon> icons) : icons_(std::move(icons)) {
    for (size_t i = 0; i < icons_.size(); ++i) {
        const auto icon = static_cast<int32_t>(i);
        byCaption_[icons_[i].caption].push_back(icon);
        byPosition_[Key(icons_[i].left, icons_[i].top)].push_back(icon);
    }
}

uint64_t PlacementPlanner::Key(int32_t x, int32_t y) {
    return static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32 | static_cast<uint32_t>(y);
}

std::optional<int32_t> PlacementPlanner::IconFor(std::string_view caption, int32_t occurrence) const {
    const auto found = byCaption_.find(std::string(caption));
    if (found == byCaption_.end() || occurrence < 0 || static_cast<size_t>(occurrence) >= found->second.size())
        return std::nullopt;
    return found->second[static_cast<size_t>(occurrence)];
}

bool PlacementPlanner::IsSlotOccupied(int32_t x, int32_t y) const {
    const auto found = byPosition_.find(Key(x, y));
    return found != byPosition_.end() && !found->second.empty();
}

bool PlacementPlanner::IsIconInPlace(int32_t icon, int32_t x, int32_t y) const {
    return Icon(icon).left == x && Icon(icon).top == y;
}

int32_t PlacementPlanner::FirstAtExcept(int32_t x, int32_t y, int32_t except) const {
    const auto found = byPosition_.find(Key(x, y));
    if (found == byPosition_.end())
        return -1;
    for (const int32_t icon : found->second) {
        if (icon != except)
            return icon;
    }
    return -1;
}

bool PlacementPlanner::FindFreeSlot() {
    if (!IsSlotOccupied(freeSlot_.x, freeSlot_.y))
        return true;
    for (int32_t row = 1; row <= kGridRows; ++row) {
        for (int32_t column = 1; column <= kGridColumns; ++column) {
            const GridCell cell = {(kGridColumns - column) * kColumnStep, (kGridRows - row) * kRowStep + kRowOffset};
            if (!IsSlotOccupied(cell.x, cell.y)) {
                freeSlot_ = cell;
                return true;
            }
        }
    }
    return false;
}

void PlacementPlanner::Move(int32_t icon, int32_t x, int32_t y, std::vector<IconMove>& moves) {
    PlannerIcon& moved = icons_[static_cast<size_t>(icon)];
    const auto from = byPosition_.find(Key(moved.left, moved.top));
    if (from != byPosition_.end()) {
        std::erase(from->second, icon);
        if (from->second.empty())
            byPosition_.erase(from);
    }
    moved.left = x;
    moved.top = y;
    InsertSorted(byPosition_[Key(x, y)], icon);
    moves.push_back({icon, x, y});
}

std::vector<IconMove> PlacementPlanner::Place(int32_t icon, int32_t x, int32_t y) {
    std::vector<IconMove> moves;
    if (IsIconInPlace(icon, x, y))
        return moves;
    const int32_t inTheWay = FirstAtExcept(x, y, icon);
    // With every grid cell taken the icon goes on top of the other one rather than nowhere.
    if (inTheWay < 0 || !FindFreeSlot()) {
        Move(icon, x, y, moves);
        return moves;
    }
    const PlannerIcon old = Icon(icon);
    Move(inTheWay, freeSlot_.x, freeSlot_.y, moves);
    Move(icon, x, y, moves);
    Move(inTheWay, old.left, old.top, moves);
    return moves;
}

}  // namespace velmora
