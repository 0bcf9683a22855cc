#include "device/DpiReadBack.h"

#include <chrono>

namespace mervik {

namespace {

// False when the request or the read did not go through.
bool ExchangeReadRequest(DeviceConnection& connection, FeatureReport& answer) {
    DeviceLink& link = connection.Link();
    Clock& clock = connection.GetClock();
    if (!link.SendFeature(MakeFeatureReport(wire::kCmdReadActiveDpiLevel)))
        return false;
    WaitUntil(clock, clock.Now() + std::chrono::milliseconds(wire::kPauseBeforeDpiRead));
    answer = {};
    answer[0] = wire::kCmdReadActiveDpiLevel;
    return link.ReadFeature(answer);
}

} // namespace

ReadBackResult ReadBackActiveDpiLevel(DeviceConnection& connection, ProfileRecord* profile) {
    FeatureReport answer{};
    if (!ExchangeReadRequest(connection, answer))
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
