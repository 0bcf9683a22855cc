#pragma once
// How long after `start` the simulated mouse took its first transfer beyond
// the `before` it had; -1 when none came within five seconds.
#include "bench/BenchClockWin32.h"
#include "tests/service/win32/MonitorUnderTest.h"

namespace mervik::bench {

inline double MsUntilFirstTransfer(testing::MonitorUnderTest& monitor, int before, double start) {
    while (Now() - start < 5000) {
        if (monitor.MouseNumber("transfers") > before)
            return Now() - start;
    }
    return -1;
}

} // namespace mervik::bench
