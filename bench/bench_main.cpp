// The main of every benchmark program: its options, then its benchmarks as GoogleTest tests, so that
// the correctness checks inside them fail the run. COM is there for the shell link objects.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "bench/bench_options.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    velmora::bench::BenchOptions options;
    if (!velmora::bench::ParseBenchOptions(argc, argv, options))
        return 2;
    velmora::bench::SetOptions(options);
    if (FAILED(CoInitialize(nullptr)))
        return 2;
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
