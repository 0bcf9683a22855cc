#include <gtest/gtest.h>

#include <memory>

#include "settings/PointerSettings.h"
#include "settings/ProfileDefaults.h"
#include "settings/win32/RegistryStoreWin32.h"

namespace mervik {
namespace {

std::string SystemValue(const char* subkey, const char* name) {
    char buffer[64] = {};
    DWORD size = sizeof buffer - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, subkey, name, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return "<missing>";
    return buffer;
}

// Keeps the prefix's pointer values as they were before the test.
class SavedPointerSettings {
public:
    SavedPointerSettings() {
        ResetProfile(*saved_, 0);
        ReadPointerSettings(*saved_, registry_);
    }
    ~SavedPointerSettings() { WritePointerSettings(*saved_, registry_); }

private:
    Win32RegistryStore registry_;
    std::unique_ptr<ProfileRecord> saved_ = std::make_unique<ProfileRecord>();
};

TEST(RegistryStoreWin32, ProfileValuesReachTheRealRegistryAndComeBack) {
    SavedPointerSettings keep;
    auto profile = std::make_unique<ProfileRecord>();
    ResetProfile(*profile, 0);
    profile->DbleClickSpeed = 640;
    profile->MouseSpeed = 17;
    profile->AccelerationFlag = 1;
    profile->Acceleration = 8;
    profile->ScrollWheelFlag = 1;

    Win32RegistryStore registry;
    ASSERT_EQ(WritePointerSettings(*profile, registry), 1);
    EXPECT_EQ(SystemValue("Control Panel\\Mouse", "DoubleClickSpeed"), "640");
    EXPECT_EQ(SystemValue("Control Panel\\Mouse", "MouseSensitivity"), "17");
    EXPECT_EQ(SystemValue("Control Panel\\Mouse", "MouseThreshold1"), "6");
    EXPECT_EQ(SystemValue("Control Panel\\Desktop", "WheelScrollLines"), "-1");

    auto loaded = std::make_unique<ProfileRecord>();
    ResetProfile(*loaded, 0);
    Win32RegistryStore again;
    ASSERT_EQ(ReadPointerSettings(*loaded, again), 1);
    EXPECT_EQ(loaded->DbleClickSpeed, 640);
    EXPECT_EQ(loaded->MouseSpeed, 17);
    EXPECT_EQ(loaded->Acceleration, 8);
    EXPECT_EQ(loaded->AccelerationFlag, 1);
    EXPECT_EQ(loaded->ScrollWheelFlag, 1);
    EXPECT_EQ(loaded->ScrollWheelSpeed, 0);
}

TEST(RegistryStoreWin32, AMissingValueReadsAsNothing) {
    Win32RegistryStore registry;
    ASSERT_TRUE(registry.OpenKey(RegistryKey::Mouse));
    EXPECT_FALSE(registry.ReadText(RegistryKey::Mouse, "NoSuchMervikValue").has_value());
}

} // namespace
} // namespace mervik
