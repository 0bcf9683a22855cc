#include "device/DpiReadBack.h"

#include <chrono>

namespace mervik {

namespace {

FeatureReport ExchangeReadRequest(DeviceConnection& connection, bool& answered) {
    auto transaction = connection.BeginTransaction();
    DeviceLink& link = connection.Link();
    Clock& clock = connection.GetClock();
    link.SendFeature(MakeFeatureReport(wire::kCmdReadActiveDpiLevel));
    WaitUntil(clock, clock.Now() + std::chrono::milliseconds(wire::kPauseBeforeDpiRead));
    FeatureReport answer{};
    answer[0] = wire::kCmdReadActiveDpiLevel;
    answered = link.ReadFeature(answer);
    return answer;
}

} // namespace

ReadBackResult ReadBackActiveDpiLevel(DeviceConnection& connection, ProfileRecord* profile) {
    bool answered = false;
    FeatureReport answer = ExchangeReadRequest(connection, answered);
    if (!answered)
        return {ReadBackOutcome::NoAnswer, 0};
    const int level = answer[wire::kActiveLevelByte];
    // Device answers are not trusted: Cpi_X indexes the DPI table elsewhere.
    if (level < 1 || level > wire::kDpiLevelCount)
        return {ReadBackOutcome::OutOfRange, level};
    if (profile)
        profile->Cpi_X = level - 1;
    return {ReadBackOutcome::Read, level};
}

} // namespace mervik
