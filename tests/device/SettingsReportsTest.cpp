#include <gtest/gtest.h>

#include "device/SettingsReports.h"
#include "protocol/PlanText.h"
#include "protocol/ReportRate.h"
#include "tests/support/ProfileFixture.h"

namespace mervik {
namespace {

using testing::DefaultProfile;

std::string Line(const FeatureReport& r) {
    return TransferLine(StepKind::Feature, r);
}

std::string BlockLine(std::span<const uint8_t> block) {
    return TransferLine(StepKind::Write, block);
}

TEST(FeatureReports, CompleteReportsCarryTheirChecksum) {
    auto p = DefaultProfile();
    p->Cpi_X = 2;
    EXPECT_EQ(Line(ActiveDpiLevelReport(*p)), "feature 0B 03 08 00 00 00 00 E9");
    EXPECT_EQ(Line(MakeFeatureReport(0x12, {1, 0x40})), "feature 12 01 40 00 00 00 00 AC");
    EXPECT_EQ(Line(MakeFeatureReport(0x13, {1, 0x80})), "feature 13 01 80 00 00 00 00 6B");
    EXPECT_EQ(Line(FixedReport()), "feature 03 00 0F D8 40 00 00 D5");
    EXPECT_EQ(Line(MakeFeatureReport(wire::kCmdReadActiveDpiLevel)),
              "feature 8B 00 00 00 00 00 00 74");
    p->PollingRate = 2;
    EXPECT_EQ(Line(ReportIntervalReport(*p)), "feature 01 02 00 00 00 00 00 FC");
}

TEST(FeatureReports, ChecksumMakesTheBytesAddUpTo0xFF) {
    FeatureReport r = MakeFeatureReport(0xFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    unsigned sum = 0;
    for (uint8_t b : r)
        sum += b;
    EXPECT_EQ(sum % 256, 0xFFu);
    EXPECT_TRUE(HasValidChecksum(r));
    r[3] ^= 1;
    EXPECT_FALSE(HasValidChecksum(r));
}

TEST(FeatureReports, ReportIntervalByPollingRate) {
    const std::pair<int32_t, uint8_t> cases[] = {{0, 8}, {1, 4}, {2, 2}, {3, 1}, {7, 2}, {-1, 2}};
    for (auto [rate, ms] : cases)
        EXPECT_EQ(wire::ReportIntervalMs(rate), ms) << "PollingRate " << rate;
}

TEST(FeatureReports, LightingByMode) {
    auto p = DefaultProfile();
    p->Brightness = 0x1A7; // only the low byte is sent
    p->BreathSpeed = 6;
    p->LightType = 9;
    const std::pair<int32_t, const char*> cases[] = {
        {0, "feature 0D 00 00 00 00 00 00 F2"}, {1, "feature 0D 01 A7 03 00 00 00 47"},
        {2, "feature 0D 02 06 03 00 00 00 E7"}, {3, "feature 0D 03 06 09 00 00 00 E0"},
        {4, "feature 0D 00 00 00 00 00 00 F2"},
    };
    for (auto [mode, line] : cases) {
        p->LightSwitch = mode;
        EXPECT_EQ(Line(LightingReport(*p)), line) << "LightSwitch " << mode;
    }
}

TEST(ColourBlock, EnabledColoursArePackedAsRedGreenBlue) {
    auto p = DefaultProfile();
    for (int k = 0; k < kColorCount; ++k)
        p->ColorFlag[k] = 0;
    p->ColorFlag[1] = 1;
    p->ColorFlag[6] = 5;
    p->SLEDColor[1] = 0x00332211;
    p->SLEDColor[6] = 0x00CCBBAA;
    EXPECT_EQ(BlockLine(BuildColourBlock(*p)),
              "write 24 11 22 33 AA BB CC 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST(ColourBlock, AllEightColoursFillTheBlock) {
    auto p = DefaultProfile();
    p->ColorFlag[7] = 1;
    ColourBlock block = BuildColourBlock(*p);
    EXPECT_EQ(block[21], 0xFF); // orange 0x0080FF: red FF, green 80, blue 00
    EXPECT_EQ(block[22], 0x80);
    EXPECT_EQ(block[23], 0x00);
}

TEST(DpiLevels, CodesByLevelValue) {
    const std::pair<int32_t, uint8_t> cases[] = {{1, 0x01}, {8, 0x08},  {9, 0x25}, {12, 0x28},
                                                 {0, 0x06}, {13, 0x06}, {-4, 0x06}};
    for (auto [value, code] : cases)
        EXPECT_EQ(DpiLevelCode(value), code) << "CpiLevel " << value;
}

TEST(DpiLevels, DisabledLevelsCarryTheCodeBeforeThem) {
    auto p = DefaultProfile();
    EXPECT_EQ(BlockLine(BuildDpiLevelBlock(*p)), "write 8 03 04 05 06 07 08 80 80");

    p->dpiStepFlag[0] = 0;
    p->CpiLevel_X[1] = 9;
    p->dpiStepFlag[2] = 0;
    p->dpiStepFlag[3] = 0;
    EXPECT_EQ(BlockLine(BuildDpiLevelBlock(*p)), "write 8 80 25 A5 A5 07 08 80 80");
}

TEST(DpiLevels, ActiveLevelIsOneBased) {
    auto p = DefaultProfile();
    p->Cpi_X = 5;
    EXPECT_EQ(ActiveDpiLevelReport(*p)[1], 6);
    p->Cpi_X = 0;
    EXPECT_EQ(ActiveDpiLevelReport(*p)[1], 1);
}

} // namespace
} // namespace mervik
