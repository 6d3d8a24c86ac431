// Velmora and its baseline measured side by side in the same run.
#pragma once

#include <functional>
#include <vector>

namespace velmora::bench {

struct SideBySide {
    std::vector<double> baseline;  // seconds per counted run
    std::vector<double> velmora;
};

// Runs each side runs + 1 times, taking turns at going first; the first run of each is a warm-up that
// is not counted. Each side times itself into its argument. Stops at the first fatal test failure.
SideBySide MeasureSideBySide(int runs,
                             const std::function<void(double&)>& baseline,
                             const std::function<void(double&)>& velmora);

}  // namespace velmora::bench
