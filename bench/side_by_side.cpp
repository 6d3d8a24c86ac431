#include "bench/side_by_side.h"

#include <gtest/gtest.h>

namespace velmora::bench {

SideBySide MeasureSideBySide(int runs,
                             const std::function<void(double&)>& baseline,
                             const std::function<void(double&)>& velmora) {
    SideBySide times;
    for (int run = 0; run <= runs; ++run) {
        double baselineSeconds = 0;
        double velmoraSeconds = 0;
        for (bool baselineTurn : {run % 2 == 0, run % 2 != 0}) {
            if (baselineTurn)
                baseline(baselineSeconds);
            else
                velmora(velmoraSeconds);
            if (testing::Test::HasFatalFailure())
                return times;
        }
        if (run > 0) {
            times.baseline.push_back(baselineSeconds);
            times.velmora.push_back(velmoraSeconds);
        }
    }
    return times;
}

}  // namespace velmora::bench
