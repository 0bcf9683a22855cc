#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "device/SequenceBanks.h"
#include "ui/core/MacroBankMeter.h"
#include "ui/core/TextFill.h"

namespace mervik::ui {
namespace {

const BankMeterTexts kTexts{"%1 of %2 bytes", "too long: steps %1 to %2 are not stored"};

ButtonAssignment Slot(const std::vector<MacroEvent>& events) {
    ButtonAssignment slot;
    std::memset(&slot, 0, sizeof slot);
    slot.MacroRepeat = 1;
    for (const MacroEvent& e : events)
        slot.Events[slot.EventCount++] = e;
    return slot;
}

// The bytes the encoder wrote after the bank's header.
int WrittenBytes(const BankContent& bank) {
    int end = static_cast<int>(bank.bytes.size());
    while (end > 2 && bank.bytes[end - 1] == 0)
        --end;
    return end - 2;
}

std::vector<MacroEvent> Pairs(int steps, uint16_t delay) {
    std::vector<MacroEvent> events;
    for (int i = 0; i < steps; ++i)
        events.push_back({static_cast<uint8_t>(4 + (i / 2) % 20),
                          static_cast<uint8_t>(i % 2 ? MacroRelease : MacroPress), delay});
    return events;
}

TEST(MacroBankMeter, AgreesWithTheEncoder) {
    for (uint16_t delay : {0, 10, 1279, 1280, 40000}) {
        for (int steps : {1, 2, 20, 31, 32, 33, 49, 50}) {
            std::vector<MacroEvent> events = Pairs(steps, delay);
            const ButtonAssignment slot = Slot(events);
            const BankContent bank = MacroBank(slot);
            const MacroBankPlan plan = PlanMacroBank(events);
            SCOPED_TRACE(testing::Message() << "delay " << delay << " steps " << steps);
            EXPECT_EQ(plan.bytesUsed, WrittenBytes(bank));
            EXPECT_EQ(plan.cut, plan.stepsStored < steps);
            EXPECT_LE(plan.bytesUsed, 126);
            if (!plan.cut)
                EXPECT_EQ(bank.stepCount, steps);
            else
                EXPECT_GE(bank.stepCount, plan.stepsStored);
        }
    }
}

TEST(MacroBankMeter, TextsForAFitAndACut) {
    EXPECT_EQ(BankMeterText(Pairs(31, 0), kTexts), "62 of 126 bytes");
    EXPECT_EQ(BankMeterText({}, kTexts), "0 of 126 bytes");
    // 4-byte steps: 30 fit with room for no release, so the cut is even.
    const std::vector<MacroEvent> longSteps = Pairs(50, 2000);
    const MacroBankPlan plan = PlanMacroBank(longSteps);
    ASSERT_TRUE(plan.cut);
    EXPECT_EQ(BankMeterText(longSteps, kTexts),
              "too long: steps " + std::to_string(plan.stepsStored + 1) + " to 50 are not stored");
}

TEST(MacroBankMeter, FillNumbersTouchesNothingElse) {
    EXPECT_EQ(FillNumbers("%1/%2 %s %d %%3 %", 7, 8), "7/8 %s %d %%3 %");
}

} // namespace
} // namespace mervik::ui
