#include "bench/bench_options.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace velmora::bench {
namespace {

BenchOptions g_options;

bool PositiveNumber(const std::string& text, int& number) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value <= 0 || value > 1000000)
        return false;
    number = static_cast<int>(value);
    return true;
}

}  // namespace

bool ParseBenchOptions(int argc, char** argv, BenchOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--runs=", 0) == 0) {
            if (!PositiveNumber(arg.substr(7), options.runs)) {
                std::fprintf(stderr, "bad %s\n", arg.c_str());
                return false;
            }
        } else if (arg.rfind("--sizes=", 0) == 0) {
            options.sizes.clear();
            std::stringstream list(arg.substr(8));
            std::string item;
            while (std::getline(list, item, ',')) {
                int size = 0;
                if (!PositiveNumber(item, size)) {
                    std::fprintf(stderr, "bad %s\n", arg.c_str());
                    return false;
                }
                options.sizes.push_back(size);
            }
        }
    }
    return true;
}

const BenchOptions& Options() {
    return g_options;
}

void SetOptions(const BenchOptions& options) {
    g_options = options;
}

}  // namespace velmora::bench
