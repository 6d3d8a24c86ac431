// Choosing among the layout files of a directory: the newest one for a screen size, and the oldest
// ones that a directory keeping only the newest few lets go.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/layout/layout_reader.h"

namespace velmora {

struct LayoutCandidate {
    std::string name;
    uint64_t writeTime = 0;  // any clock that grows with time, such as a FILETIME
    StoredScreen screen;     // from the file's first line; 0 by 0 when it is no screen line
};

// Newest by write time; of two written at the same moment, the one whose name sorts last. Only
// files of the given screen size count when one is given. Nullopt when none counts.
std::optional<size_t> NewestLayout(const std::vector<LayoutCandidate>& candidates,
                                   std::optional<StoredScreen> screen = std::nullopt);

// The candidates beyond the newest `keep`, in the same order of age.
std::vector<size_t> LayoutsBeyondNewest(const std::vector<LayoutCandidate>& candidates, size_t keep);

}  // namespace velmora
