#include <gtest/gtest.h>

#include <vector>

#include "device/SequenceBanks.h"
#include "settings/FunctionCodes.h"

namespace mervik {
namespace {

std::vector<uint8_t> Used(const BankContent& bank) {
    std::vector<uint8_t> bytes(bank.bytes.begin(), bank.bytes.end());
    while (!bytes.empty() && bytes.back() == 0)
        bytes.pop_back();
    return bytes;
}

ButtonAssignment MacroSlot(int32_t repeat, std::initializer_list<MacroEvent> events) {
    ButtonAssignment slot{};
    slot.Function = fn::Macro;
    slot.MacroRepeat = repeat;
    for (const MacroEvent& e : events)
        slot.Events[slot.EventCount++] = e;
    return slot;
}

TEST(FixedSequences, ChordsPressInOrderAndReleaseInReverse) {
    struct Case {
        uint8_t code;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {fn::SwitchWindow, {0, 1, 0x01, 0xE2, 0x01, 0x2B, 0x81, 0x2B, 0x81, 0xE2}},
        {fn::MaximiseWindow,
         {0, 1, 0x01, 0xE2, 0x01, 0x2C, 0x01, 0x1B, 0x81, 0x1B, 0x81, 0x2C, 0x81, 0xE2}},
        {fn::ShowDesktop, {0, 1, 0x01, 0xE3, 0x01, 0x07, 0x81, 0x07, 0x81, 0xE3}},
        {fn::SaveAs,
         {0, 1, 0x01, 0xE0, 0x01, 0xE1, 0x01, 0x16, 0x81, 0x16, 0x81, 0xE1, 0x81, 0xE0}},
        {fn::Explorer, {0, 1, 0x01, 0xE0, 0x01, 0x08, 0x81, 0x08, 0x81, 0xE0}},
    };
    for (const Case& c : cases) {
        auto bank = FixedSequenceBank(c.code);
        ASSERT_TRUE(bank) << "code " << int(c.code);
        EXPECT_EQ(Used(*bank), c.bytes) << "code " << int(c.code);
    }
    EXPECT_FALSE(FixedSequenceBank(fn::Macro));
    EXPECT_FALSE(FixedSequenceBank(fn::LeftButton));
}

TEST(FixedSequences, EveryChordCodeOfTheTableHasOne) {
    const uint8_t codes[] = {20, 22, 23, 24, 25, 32, 33, 34, 35, 36,
                             37, 38, 39, 40, 41, 44, 70, 80, 81, 100};
    for (uint8_t code : codes) {
        auto bank = FixedSequenceBank(code);
        ASSERT_TRUE(bank) << "code " << int(code);
        EXPECT_EQ(bank->stepCount, (code == 23 || code == 24 || code == 70) ? 6 : 4)
            << "code " << int(code);
    }
}

TEST(MacroBanks, RepeatHeaderAndPauseForms) {
    auto slot = MacroSlot(0x0102, {
                                      {0x04, MacroPress, 0},       // d = 0
                                      {0x04, MacroRelease, 1279},  // d = 127: still short
                                      {0x05, MacroPress, 1280},    // long: 1280 / 50 = 25
                                      {0x05, MacroRelease, 12800}, // long: 256 keeps its low byte 0
                                      {0xF0, MacroPress, 35},      // mouse button, d = 3
                                  });
    BankContent bank = MacroBank(slot);
    EXPECT_EQ(bank.stepCount, 5);
    EXPECT_EQ(Used(bank), (std::vector<uint8_t>{0x01, 0x02, 0x01, 0x04, 0xFF, 0x04, 0x01, 0x05, 25,
                                                0x02, 0x81, 0x05, 0x00, 0x02, 0x03, 0xF0}));
}

TEST(MacroBanks, AClaimedEventCountBeyondFiftyReadsFifty) {
    auto slot = MacroSlot(1, {});
    slot.EventCount = 60000;
    for (int i = 0; i < kMaxMacroEvents; ++i)
        slot.Events[i] = {0x04, MacroPress, 0};
    BankContent bank = MacroBank(slot);
    EXPECT_EQ(bank.stepCount, 50);
    EXPECT_EQ(bank.bytes[2 + 2 * 49], 0x01);
    EXPECT_EQ(bank.bytes[2 + 2 * 50], 0x00);
}

TEST(MacroBanks, FiftyShortStepsFitWhole) {
    auto slot = MacroSlot(1, {});
    for (int i = 0; i < kMaxMacroEvents; ++i)
        slot.Events[slot.EventCount++] = {0x10, uint8_t(i % 2 ? MacroRelease : MacroPress), 20};
    EXPECT_EQ(MacroBank(slot).stepCount, 50);
}

TEST(MacroBanks, ALongMacroIsCutAtAWholeStepAndLeavesNoKeyDown) {
    // Ctrl down, then pairs of A down/up with long pauses: 4 bytes a step.
    auto slot = MacroSlot(1, {{0xE0, MacroPress, 2000}});
    for (int i = 0; i < 40; ++i)
        slot.Events[slot.EventCount++] = {0x04, uint8_t(i % 2 ? MacroRelease : MacroPress), 2000};
    slot.Events[slot.EventCount++] = {0xE0, MacroRelease, 0};
    BankContent bank = MacroBank(slot);

    // Walk the steps back out: the bank must parse whole and end with nothing held.
    std::vector<uint8_t> held;
    size_t at = 2;
    int steps = 0;
    while (at < bank.bytes.size() && bank.bytes[at] != 0) {
        uint8_t control = bank.bytes[at], usage = bank.bytes[at + 1];
        bool longStep =
            (control & 0x7F) == 0x01 && at + 3 < bank.bytes.size() && bank.bytes[at + 3] == 0x02;
        if (control & 0x80)
            std::erase(held, usage);
        else
            held.push_back(usage);
        at += longStep ? 4 : 2;
        ++steps;
    }
    EXPECT_LE(at, bank.bytes.size());
    EXPECT_EQ(steps, bank.stepCount);
    EXPECT_TRUE(held.empty());
    EXPECT_EQ(bank.bytes[at - 2], 0x81); // the added release of Ctrl ends it
    EXPECT_EQ(bank.bytes[at - 1], 0xE0);
}

} // namespace
} // namespace mervik
