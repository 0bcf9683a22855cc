#pragma once
// The benchmarks' clock under Wine: milliseconds from the performance counter.
#include <windows.h>

namespace mervik::bench {

inline double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace mervik::bench
