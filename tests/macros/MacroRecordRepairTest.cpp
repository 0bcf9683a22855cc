#include <gtest/gtest.h>

#include <cstring>

#include "MacroTestData.h"
#include "macros/MacroRecordRepair.h"

namespace mervik {
namespace {

using test::Macro;

TEST(RepairLoadedMacro, ASoundRecordIsLeftByteForByte) {
    MacroRecord record = Macro("fine", {4, 5}, 255, 65535);
    record.Name[10] = 'x';         // bytes behind the terminator are not the name's business
    record.Events[30] = {1, 9, 0}; // nor are steps past the count
    const MacroRecord before = record;
    EXPECT_TRUE(RepairLoadedMacro(record).empty());
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

TEST(RepairLoadedMacro, LongOrUnterminatedNameIsCutToFifteen) {
    MacroRecord record = Macro("", {4});
    std::memset(record.Name, 'n', sizeof record.Name);
    EXPECT_EQ(RepairLoadedMacro(record), LoadNotes{"name cut to 15 characters"});
    EXPECT_STREQ(record.Name, "nnnnnnnnnnnnnnn");
    for (size_t i = kMaxMacroNameLength; i < sizeof record.Name; ++i)
        EXPECT_EQ(record.Name[i], 0) << i;

    record = Macro("", {4});
    std::strcpy(record.Name, "exactly fifteen");
    EXPECT_TRUE(RepairLoadedMacro(record).empty());
    EXPECT_STREQ(record.Name, "exactly fifteen");
}

TEST(RepairLoadedMacro, CountsAreClamped) {
    MacroRecord record = Macro("m", {4});
    record.EventCount = 0x7FFFFFFF;
    record.RepeatCount = 1000;
    std::fill(std::begin(record.Events), std::end(record.Events), MacroEvent{4, MacroPress, 0});
    EXPECT_EQ(RepairLoadedMacro(record), (LoadNotes{"repeat count 1000 limited to 255",
                                                    "event count 2147483647 limited to 50"}));
    EXPECT_EQ(record.EventCount, kMaxMacroEvents);
    EXPECT_EQ(record.RepeatCount, kMaxMacroRepeat);

    record.EventCount = -1;
    record.RepeatCount = -1;
    EXPECT_EQ(RepairLoadedMacro(record).size(), 2u);
    EXPECT_EQ(record.EventCount, 0);
    EXPECT_EQ(record.RepeatCount, 0);
}

TEST(RepairLoadedMacro, AStepWithAnUnknownActionEndsTheMacroThere) {
    for (uint8_t action : {0, 3, 255}) {
        MacroRecord record = Macro("m", {4, 5});
        record.Events[2].action = action;
        const MacroRecord before = record;
        EXPECT_EQ(RepairLoadedMacro(record),
                  LoadNotes{"cut to its first 2 steps: step 3 has action " +
                            std::to_string(action) + ", neither press nor release"});
        EXPECT_EQ(record.EventCount, 2);
        EXPECT_EQ(std::memcmp(record.Events, before.Events, sizeof record.Events), 0);
    }
    MacroRecord record = Macro("m", {4});
    record.Events[0].action = 0;
    EXPECT_EQ(RepairLoadedMacro(record).size(), 1u);
    EXPECT_EQ(record.EventCount, 0);
}

} // namespace
} // namespace mervik
