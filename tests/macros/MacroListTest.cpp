#include <gtest/gtest.h>

#include <cstring>

#include "macros/MacroList.h"

namespace mervik {
namespace {

TEST(MacroRecord, NewRecordIsZeroButItsNameCutToTheEditorsLength) {
    const MacroRecord record = NewMacroRecord("a name longer than fifteen");
    EXPECT_STREQ(record.Name, "a name longer t");
    MacroRecord expected;
    std::memset(&expected, 0, sizeof expected);
    std::memcpy(expected.Name, "a name longer t", 15);
    EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0);
}

TEST(MacroList, AppendRemoveAndOutOfRangeIndexes) {
    MacroList list;
    EXPECT_EQ(list.RecordAt(0), nullptr);
    EXPECT_EQ(list.Append(NewMacroRecord("a")), 0);
    EXPECT_EQ(list.Append(NewMacroRecord("b")), 1);
    EXPECT_EQ(list.Append(NewMacroRecord("c")), 2);
    EXPECT_EQ(list.RecordAt(-1), nullptr);
    EXPECT_EQ(list.RecordAt(3), nullptr);
    EXPECT_FALSE(list.RemoveAt(3));
    EXPECT_FALSE(list.RemoveAt(-1));

    ASSERT_TRUE(list.RemoveAt(1));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_STREQ(list.RecordAt(0)->Name, "a");
    EXPECT_STREQ(list.RecordAt(1)->Name, "c");
    EXPECT_EQ(list.RecordAt(2), nullptr);
}

TEST(MacroList, RecordsStayPutWhileOthersAreAppended) {
    MacroList list;
    list.Append(NewMacroRecord("first"));
    MacroRecord* first = list.RecordAt(0);
    for (int i = 0; i < 100; ++i)
        list.Append(NewMacroRecord("more"));
    EXPECT_EQ(list.RecordAt(0), first);
    EXPECT_STREQ(first->Name, "first");
}

TEST(MacroList, AFullListRefusesMore) {
    MacroList list;
    const MacroRecord record = NewMacroRecord("m");
    for (int i = 0; i < kMaxMacroCount; ++i)
        ASSERT_EQ(list.Append(record), i);
    EXPECT_TRUE(list.Full());
    EXPECT_EQ(list.Append(record), -1);
    EXPECT_EQ(list.Count(), kMaxMacroCount);
}

} // namespace
} // namespace mervik
