#pragma once
// A clock whose time moves only when something sleeps on it. `sleepShare`
// below 1 makes every sleep end early, as a coarse system timer may.
#include <vector>

#include "device/Clock.h"

namespace mervik::testing {

class FakeClock : public Clock {
public:
    TimePoint now{};
    double sleepShare = 1.0;
    std::vector<Duration> sleeps;

    TimePoint Now() override { return now; }
    void SleepFor(Duration d) override {
        sleeps.push_back(d);
        Duration slept = std::chrono::duration_cast<Duration>(d * sleepShare);
        now += slept > Duration::zero() ? slept : Duration(1);
    }
};

} // namespace mervik::testing
