#include "service/core/PointerApply.h"

#include <cstdlib>
#include <string>

namespace mervik {

namespace {

constexpr int kAccelerationOn = 1;
constexpr int kWheelOneScreen = -1;

// Leading decimal digits count; anything else, or a missing value, is 0.
int RegistryNumber(RegistryStore& registry, const char* name) {
    std::optional<std::string> text = registry.ReadText(RegistryKey::Mouse, name);
    return text ? std::atoi(text->c_str()) : 0;
}

PointerSystem::Acceleration SessionAcceleration(ProfileRecord& profile, RegistryStore& registry) {
    PointerSystem::Acceleration a{RegistryNumber(registry, "MouseThreshold1"),
                                  RegistryNumber(registry, "MouseThreshold2"),
                                  RegistryNumber(registry, "MouseSpeed")};
    const bool anySet = a.threshold1 != 0 || a.threshold2 != 0 || a.speed != 0;
    if (profile.AccelerationFlag != kAccelerationOn && anySet) {
        profile.Acceleration = 0;
        a = {0, 0, 0};
        for (const char* name : {"MouseSpeed", "MouseThreshold1", "MouseThreshold2"})
            registry.WriteText(RegistryKey::Mouse, name, "0");
    }
    return a;
}

} // namespace

void ApplyPointerSettings(ProfileRecord& profile, RegistryStore& registry, PointerSystem& system) {
    system.SetDoubleClickTime(profile.DbleClickSpeed);
    system.SetButtonsSwapped(profile.Orientation != 0);
    registry.OpenKey(RegistryKey::Mouse); // a failure reads as no values
    system.SetAcceleration(SessionAcceleration(profile, registry));
    system.SetPointerSpeed(profile.MouseSpeed);
    system.SetWheelLines(profile.ScrollWheelFlag != 0 ? kWheelOneScreen : profile.ScrollWheelSpeed);
}

} // namespace mervik
