#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/FunctionCodes.h"
#include "settings/ProfileDefaults.h"

namespace mervik {
namespace {

std::unique_ptr<SharedSettingsBlock> ZeroImage() {
    auto image = std::make_unique<SharedSettingsBlock>();
    std::memset(image.get(), 0, sizeof *image);
    return image;
}

TEST(ProfileDefaults, FreshImageHasNoActiveProfile) {
    auto image = ZeroImage();
    image->CurrentProfile = 3;
    image->MouseType = 7;
    CreateImage(*image);
    EXPECT_EQ(image->CurrentProfile, -1);
    EXPECT_EQ(image->MouseType, 0);
    EXPECT_FALSE(image->HasActiveProfile());
    EXPECT_EQ(image->ActiveProfile(), nullptr);
}

TEST(ProfileDefaults, ResetAllGivesEveryProfileItsNameAndTable) {
    auto image = ZeroImage();
    ResetAllProfiles(*image);
    EXPECT_EQ(image->CurrentProfile, 0);
    EXPECT_STREQ(image->Profiles[0].ProFileName, "Default1");
    EXPECT_STREQ(image->Profiles[4].ProFileName, "Default5");
    const ProfileRecord& p = image->Profiles[2];
    EXPECT_EQ(p.Buttons[17].Slot, 17);
    EXPECT_EQ(p.Buttons[17].Function, fn::RightButton);
    EXPECT_EQ(p.Buttons[63].Function, 17);
    EXPECT_EQ(p.Cpi_X, 2);
    EXPECT_EQ(p.PollingRate, 2);
    EXPECT_EQ(p.CpiLevel_Y[5], 8);
    EXPECT_EQ(p.dpiStepFlag[6], 0);
    EXPECT_EQ(p.dpiIndicator[8], 6);
    EXPECT_EQ(p.ColorFlag[7], 0);
    EXPECT_EQ(p.SLEDColor[7], 0x0080FF);
    EXPECT_EQ(p.LedDPIColor[3], 0xFF00FF);
}

TEST(ProfileDefaults, ResetKeepsTheThreeUnsetColoursAndClearsOldSlotData) {
    auto image = ZeroImage();
    ProfileRecord& p = image->Profiles[1];
    std::memset(&p, 0xAB, sizeof p);
    p.ColorOptions = 11;
    p.LedColor = 0x123456;
    p.LedLPColor = 0x654321;
    ResetProfile(p, 1);
    EXPECT_EQ(p.ColorOptions, 11);
    EXPECT_EQ(p.LedColor, 0x123456);
    EXPECT_EQ(p.LedLPColor, 0x654321);
    EXPECT_STREQ(p.ProFileName, "Default2");
    EXPECT_EQ(p.ProFileName[249], 0);
    EXPECT_EQ(p.GameFile[0], 0);
    EXPECT_EQ(p.Buttons[40].EventCount, 0);
    EXPECT_EQ(p.Buttons[40].ProgramPath[100], 0);
    EXPECT_EQ(p.Buttons[40].reserved[1], 0);
}

TEST(FunctionAssignment, KeyAndFireNeedAKeyMacroNeedsAMacro) {
    auto image = ZeroImage();
    ResetAllProfiles(*image);
    ProfileRecord& p = image->Profiles[0];

    AssignFunction(p, 3, {.code = fn::Key, .keyUsage = 0x3E, .keyModifiers = ModShift | ModCtrl});
    EXPECT_EQ(p.Buttons[3].Function, fn::Key);
    EXPECT_EQ(p.Buttons[3].EventCount, 1);
    EXPECT_EQ(p.Buttons[3].KeyUsage(), 0x3E);
    EXPECT_EQ(p.Buttons[3].KeyModifiers(), ModShift | ModCtrl);

    AssignFunction(p, 4, {.code = fn::Fire, .keyUsage = 0});
    EXPECT_EQ(p.Buttons[4].Function, fn::DefaultFunction(4));

    AssignFunction(p, 20, {.code = fn::Macro});
    EXPECT_EQ(p.Buttons[20].Function, fn::DefaultFunction(20));
    EXPECT_EQ(p.Buttons[20].EventCount, 0);
}

TEST(FunctionAssignment, MacroCopiesTheRecordAndOtherCodesClearIt) {
    auto image = ZeroImage();
    ResetAllProfiles(*image);
    ProfileRecord& p = image->Profiles[0];
    MacroEvent events[kMaxMacroEvents] = {{4, MacroPress, 10}, {4, MacroRelease, 0}};

    AssignFunction(p, 5,
                   {.code = fn::Macro,
                    .runMode = 2,
                    .macroName = "a name that is far too long",
                    .macroRepeat = 3,
                    .macroEventCount = 2,
                    .macroEvents = events});
    const ButtonAssignment& b = p.Buttons[5];
    EXPECT_EQ(b.Function, fn::Macro);
    EXPECT_EQ(b.RunMode, 2);
    EXPECT_EQ(std::string(b.MacroName), std::string("a name that is far "));
    EXPECT_EQ(b.MacroName[19], 0);
    EXPECT_EQ(b.MacroRepeat, 3);
    EXPECT_EQ(b.EventCount, 2);
    EXPECT_EQ(b.Events[0].delay, 10);

    AssignFunction(p, 5, {.code = fn::Copy});
    EXPECT_EQ(p.Buttons[5].Function, fn::Copy);
    EXPECT_EQ(p.Buttons[5].EventCount, 0);
    EXPECT_EQ(p.Buttons[5].Events[0].code, 0);
    EXPECT_EQ(p.Buttons[5].MacroName[0], 0);
}

} // namespace
} // namespace mervik
