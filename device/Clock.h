#pragma once
// Monotonic time and sleeping, behind an interface so pacing can be tested
// without waiting.
#include <chrono>

namespace mervik {

class Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Duration = std::chrono::steady_clock::duration;

    virtual ~Clock() = default;
    virtual TimePoint Now() = 0;
    // May return early or late; callers that need a minimum use WaitUntil.
    virtual void SleepFor(Duration duration) = 0;
};

// The machine's monotonic clock.
class SteadyClock final : public Clock {
public:
    TimePoint Now() override;
    void SleepFor(Duration duration) override;
};

// Returns no earlier than `deadline`, however short the clock's sleeps are.
void WaitUntil(Clock& clock, Clock::TimePoint deadline);

} // namespace mervik
