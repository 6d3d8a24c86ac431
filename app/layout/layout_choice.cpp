#include "app/layout/layout_choice.h"

#include <algorithm>
#include <numeric>

namespace velmora {
namespace {

bool Newer(const LayoutCandidate& left, const LayoutCandidate& right) {
    if (left.writeTime != right.writeTime)
        return left.writeTime > right.writeTime;
    return left.name > right.name;
}

}  // namespace

std::optional<size_t> NewestLayout(const std::vector<LayoutCandidate>& candidates, std::optional<StoredScreen> screen) {
    std::optional<size_t> newest;
    for (size_t i = 0; i < candidates.size(); ++i) {
        const LayoutCandidate& candidate = candidates[i];
        if (screen && (candidate.screen.width != screen->width || candidate.screen.height != screen->height))
            continue;
        if (!newest || Newer(candidate, candidates[*newest]))
            newest = i;
    }
    return newest;
}

std::vector<size_t> LayoutsBeyondNewest(const std::vector<LayoutCandidate>& candidates, size_t keep) {
    std::vector<size_t> order(candidates.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(),
              [&](size_t left, size_t right) { return Newer(candidates[left], candidates[right]); });
    if (order.size() <= keep)
        return {};
    return std::vector<size_t>(order.begin() + static_cast<std::ptrdiff_t>(keep), order.end());
}

}  // namespace velmora
