#pragma once
// What the page benchmarks share under Wine: a millisecond clock, a pump of
// the thread's waiting messages, and one line of figures per measurement.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace mervik::bench {

inline double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

inline void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    printf("%-52s median %.2f ms  max %.2f ms  (%zu runs)\n", what, ms[ms.size() / 2], ms.back(),
           ms.size());
}

} // namespace mervik::bench
