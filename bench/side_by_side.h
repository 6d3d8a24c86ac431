// Velmora and its baseline measured side by side in the same run.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_desktop.h"

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

struct SizeFigures {
    SideBySide seconds;
    size_t velmoraPeakWorkingSet = 0;
};

// For every number of icons of the options: a desktop of that many icons, measured by the function
// (which is given the number of runs); then the table of them all is printed under the title.
void MeasureEverySize(const std::string& title,
                      const std::function<void(const BenchDesktop&, int runs, SizeFigures&)>& measure);

}  // namespace velmora::bench
