#include "bench/side_by_side.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "bench/bench_options.h"
#include "bench/ratio_table.h"

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

void MeasureEverySize(const std::string& title,
                      const std::function<void(const BenchDesktop&, int runs, SizeFigures&)>& measure) {
    RatioTable table(title, {"Velmora peak working set"});
    for (int size : Options().sizes) {
        BenchDesktop desktop;
        ASSERT_TRUE(desktop.Start(size));
        SizeFigures figures;
        measure(desktop, Options().runs, figures);
        ASSERT_FALSE(testing::Test::HasFatalFailure());
        table.Add(size, figures.seconds.baseline, figures.seconds.velmora, {Megabytes(figures.velmoraPeakWorkingSet)});
        std::printf("N = %d measured\n", size);
        std::fflush(stdout);
    }
    std::printf("\n%s\n", table.Text().c_str());
}

}  // namespace velmora::bench
