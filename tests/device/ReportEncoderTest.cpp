#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "device/ReportEncoder.h"
#include "protocol/PlanText.h"
#include "settings/FunctionCodes.h"
#include "tests/support/ProfileFixture.h"

namespace mervik {
namespace {

using testing::DefaultProfile;

std::vector<std::string> Lines(const UploadPlan& plan) {
    std::vector<std::string> lines;
    std::istringstream in(PlanText(plan));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(ReportEncoder, DefaultProfileUploadsInProtocolOrder) {
    auto p = DefaultProfile();
    std::vector<std::string> lines = Lines(EncodeUpload(*p));
    const std::vector<std::string> head = {
        "feature 01 02 00 00 00 00 00 FC",
        "sleep 100",
        "feature 03 00 0F D8 40 00 00 D5",
        "sleep 100",
        "feature 0D 02 05 03 00 00 00 E8",
        "sleep 100",
        "feature 10 00 18 00 00 00 00 D7",
        "write 24 FF 00 00 00 FF 00 00 00 FF FF FF 00 FF 00 FF 00 FF FF FF FF FF 00 00 00",
        "sleep 250",
        "feature 11 06 08 00 00 00 00 E0",
        "sleep 50",
        "write 8 03 04 05 06 07 08 80 80",
        "sleep 150",
        "feature 0B 03 08 00 00 00 00 E9",
        "sleep 100",
        "feature 12 01 40 00 00 00 00 AC",
        "sleep 150",
    };
    ASSERT_GE(lines.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + head.size()), head);
    EXPECT_EQ(lines[head.size() + 1], "sleep 100");
    EXPECT_EQ(lines.back(), "sleep 400"); // after page 4: block, page and step pauses
}

TEST(ReportEncoder, PauseSumIsFixedPlusFourHundredPerBank) {
    auto p = DefaultProfile();
    EXPECT_EQ(EncodeUpload(*p).TotalPauseMs(), 3150u);
    p->Buttons[1].Function = fn::Copy;
    p->Buttons[40].Function = fn::SaveAs;
    UploadPlan plan = EncodeUpload(*p);
    EXPECT_EQ(plan.TotalPauseMs(), 3150u + 2 * 400u);
    std::vector<std::string> lines = Lines(plan);
    int banks = 0, writes = 0;
    for (const std::string& line : lines) {
        banks += line.rfind("feature 13", 0) == 0;
        writes += line.rfind("write 32", 0) == 0;
    }
    EXPECT_EQ(banks, 2);
    EXPECT_EQ(writes, 4 * 2 + 2 * 4);
}

TEST(ReportEncoder, TransfersAlternateWithPausesAsTheProtocolNeeds) {
    auto p = DefaultProfile();
    p->Buttons[1].Function = fn::Copy;
    UploadPlan plan = EncodeUpload(*p);
    const auto& steps = plan.Steps();
    for (size_t i = 1; i < steps.size(); ++i)
        EXPECT_FALSE(steps[i].kind == StepKind::Pause && steps[i - 1].kind == StepKind::Pause) << i;
    // Bank 1's announcement, blocks and pauses.
    std::vector<std::string> lines = Lines(plan);
    auto bank = std::find(lines.begin(), lines.end(), "feature 13 01 80 00 00 00 00 6B");
    ASSERT_NE(bank, lines.end());
    EXPECT_EQ(*(bank + 1), "sleep 150");
    EXPECT_EQ((bank + 2)->substr(0, 26), "write 32 00 01 01 E0 01 06");
    EXPECT_EQ(*(bank + 3), "sleep 50");
    EXPECT_EQ(*(bank + 9), "sleep 200"); // after the fourth block, plus the step's pause
    EXPECT_EQ(bank + 10, lines.end());
}

TEST(ReportEncoder, EncodingKeepsNoStateBetweenUploads) {
    auto p = DefaultProfile();
    p->Buttons[3].Function = fn::Paste;
    UploadPlan first = EncodeUpload(*p);
    EXPECT_EQ(EncodeUpload(*p), first);
}

} // namespace
} // namespace mervik
