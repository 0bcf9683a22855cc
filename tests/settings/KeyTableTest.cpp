#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "settings/KeyTable.h"
#include "settings/KeyTableLabels.h"

namespace mervik {
namespace {

TEST(KeyTable, HoldsEveryPairOnceWithANameForEachKey) {
    ASSERT_EQ(KeyPairs().size(), static_cast<size_t>(kKeyPairCount));
    std::set<int> keys, usages;
    for (const KeyPair& p : KeyPairs()) {
        EXPECT_TRUE(keys.insert(p.virtualKey).second) << "virtual key " << int(p.virtualKey);
        EXPECT_TRUE(usages.insert(p.usage).second) << "usage " << int(p.usage);
        EXPECT_FALSE(KeyName(p.virtualKey).empty()) << "virtual key " << int(p.virtualKey);
    }
}

TEST(KeyTable, EveryPairRoundTrips) {
    for (const KeyPair& p : KeyPairs()) {
        uint8_t usage = 0;
        int key = 0;
        ASSERT_TRUE(UsageOfKey(p.virtualKey, usage));
        ASSERT_TRUE(KeyOfUsage(usage, key));
        EXPECT_EQ(key, p.virtualKey);
    }
}

TEST(KeyTable, PairsThatAreEasyToGetWrong) {
    struct Case {
        int key, usage;
    } cases[] = {
        {'A', 4},  {'Z', 29},  {'1', 30}, {'0', 39},  {8, 42},    {189, 45}, {186, 51},
        {123, 69}, {39, 79},   {38, 82},  {103, 95},  {102, 94},  {96, 98},  {110, 99},
        {93, 101}, {162, 224}, {91, 227}, {165, 230}, {244, 244},
    };
    for (const Case& c : cases) {
        uint8_t usage = 0;
        EXPECT_TRUE(UsageOfKey(c.key, usage));
        EXPECT_EQ(usage, c.usage) << "virtual key " << c.key;
    }
}

TEST(KeyTable, KeypadSeparatorIsStoredAsKeypadEnterAndComesBack) {
    uint8_t usage = 0;
    int key = 0;
    ASSERT_TRUE(UsageOfKey(108, usage));
    EXPECT_EQ(usage, 88);
    ASSERT_TRUE(KeyOfUsage(88, key));
    EXPECT_EQ(key, 108);
    EXPECT_EQ(KeyName(key), "Num_ ");
}

TEST(KeyTable, MissingPairsLeaveTheOutputAlone) {
    uint8_t usage = 77;
    int key = 1234;
    EXPECT_FALSE(UsageOfKey(41, usage)); // "Select" has a name but no pair
    EXPECT_FALSE(UsageOfKey(-1, usage));
    EXPECT_FALSE(UsageOfKey(300, usage));
    EXPECT_EQ(usage, 77);
    EXPECT_FALSE(KeyOfUsage(0, key));
    EXPECT_FALSE(KeyOfUsage(50, key));
    EXPECT_FALSE(KeyOfUsage(100, key));
    EXPECT_EQ(key, 1234);
}

TEST(KeyTable, Names) {
    EXPECT_EQ(KeyName('Q'), "Q");
    EXPECT_EQ(KeyName('7'), "7");
    EXPECT_EQ(KeyName(112), "F1");
    EXPECT_EQ(KeyName(123), "F12");
    EXPECT_EQ(KeyName(105), "Num_9");
    EXPECT_EQ(KeyName(220), "\\");
    EXPECT_EQ(KeyName(41), "Select");
    EXPECT_EQ(KeyNameOfUsage(240), "Left Button");
    EXPECT_EQ(KeyNameOfUsage(242), "Wheel");
    EXPECT_EQ(KeyNameOfUsage(0), "");
    EXPECT_EQ(KeyName(0), "");
    EXPECT_EQ(KeyName(124), ""); // F13 is not named
    EXPECT_EQ(KeyName(-1), "");
    EXPECT_EQ(KeyName(256), "");
}

ButtonAssignment KeySlot(uint8_t usage, uint8_t modifiers, uint16_t eventCount = 1) {
    ButtonAssignment slot;
    std::memset(&slot, 0, sizeof slot);
    slot.EventCount = eventCount;
    slot.SetKey(usage, modifiers);
    return slot;
}

TEST(ShortcutText, PrefixesComeInFixedOrderWithoutSpaces) {
    EXPECT_EQ(ShortcutText(KeySlot(62, ModShift | ModCtrl)), "Shift+Ctrl+F5");
    EXPECT_EQ(ShortcutText(KeySlot(4, ModWin | ModAlt | ModCtrl | ModShift)),
              "Shift+Ctrl+Alt+Win+A");
    EXPECT_EQ(ShortcutText(KeySlot(4, ModAlt)), "Alt+A");
    EXPECT_EQ(ShortcutText(KeySlot(4, 0)), "A");
}

TEST(ShortcutText, NoModifierBitSilencesTheOthers) {
    EXPECT_EQ(ShortcutText(KeySlot(4, 0x1F)), "A");
}

TEST(ShortcutText, EmptyWhenTheSlotHoldsNoKey) {
    EXPECT_EQ(ShortcutText(KeySlot(4, ModShift, 0)), "");
}

TEST(FireText, TheCallersTextThenTheKeyName) {
    EXPECT_EQ(FireText(KeySlot(44, 0), "Fire"), "Fire + Space");
    EXPECT_EQ(FireText(KeySlot(240, 0), "x"), "x + Left Button");
    EXPECT_EQ(FireText(KeySlot(44, 0, 0), "Fire"), "");
}

} // namespace
} // namespace mervik
