#include "device/Clock.h"

#include <thread>

namespace mervik {

Clock::TimePoint SteadyClock::Now() {
    return std::chrono::steady_clock::now();
}

void SteadyClock::SleepFor(Duration duration) {
    std::this_thread::sleep_for(duration);
}

void WaitUntil(Clock& clock, Clock::TimePoint deadline) {
    for (Clock::TimePoint now = clock.Now(); now < deadline; now = clock.Now())
        clock.SleepFor(deadline - now);
}

} // namespace mervik
