// Wall time from the performance counter (the standard clocks are not used in this tree's code).
#pragma once

#include <windows.h>

namespace velmora::bench {

class Stopwatch {
  public:
    Stopwatch() noexcept { QueryPerformanceCounter(&start_); }

    double Seconds() const noexcept {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

  private:
    LARGE_INTEGER start_;
};

}  // namespace velmora::bench
