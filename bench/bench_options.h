// What a benchmark run measures: how often each figure is taken and at which numbers of icons.
#pragma once

#include <vector>

namespace velmora::bench {

struct BenchOptions {
    int runs = 5;  // each figure is the median of this many runs
    std::vector<int> sizes = {100, 1000, 5000};
};

// Reads --runs=R and --sizes=N,N,... and leaves every other argument for GoogleTest. False, with a
// message on stderr, for a value that is no positive number.
bool ParseBenchOptions(int argc, char** argv, BenchOptions& options);

// The options of this run, set once by main.
const BenchOptions& Options();
void SetOptions(const BenchOptions& options);

}  // namespace velmora::bench
