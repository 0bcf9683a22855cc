#include <gtest/gtest.h>

#include "ui/core/FireFields.h"

namespace mervik::ui {
namespace {

TEST(FireFields, OpeningTexts) {
    EXPECT_EQ(CountFieldText(0), "0");
    EXPECT_EQ(CountFieldText(12), "12");
    EXPECT_EQ(CountFieldText(-1), "");
    EXPECT_EQ(IntervalFieldText(5), "5");
    EXPECT_EQ(IntervalFieldText(0), "");
    EXPECT_EQ(IntervalFieldText(-3), "");
}

TEST(FireFields, ReadsLeadingDigitsAndNothingAsZero) {
    EXPECT_EQ(ReadFireNumber("42"), 42);
    EXPECT_EQ(ReadFireNumber("007"), 7);
    EXPECT_EQ(ReadFireNumber(""), 0);
    EXPECT_EQ(ReadFireNumber("x9"), 0);
    EXPECT_EQ(ReadFireNumber("12a"), 12);
    EXPECT_EQ(ReadFireNumber("99999999999999999999"), 1000000);
}

TEST(FireFields, LimitsAfterEachChange) {
    struct Case {
        const char* count;
        const char* interval;
        bool intervalFocused;
        int wantCount;
        int wantInterval;
        const char* countRewrite; // "" leaves the field alone
        const char* intervalRewrite;
    } cases[] = {
        {"300", "20", false, 255, 20, "255", ""}, {"0", "20", false, 0, 20, "", ""},
        {"", "20", false, 0, 20, "", ""},    // an empty count reads 0 and stays empty
        {"007", "20", false, 7, 20, "", ""}, // unchanged values are not rewritten
        {"10", "3", true, 10, 3, "", ""},    // typed 3 stands while the field has the focus
        {"10", "3", false, 10, 5, "", "5"},  // and becomes 5 when it leaves
        {"10", "999", true, 10, 255, "", "255"},  {"10", "999", false, 10, 255, "", "255"},
        {"10", "0", true, 10, 1, "", "1"},        {"10", "0", false, 10, 5, "", "5"},
        {"10", "", true, 10, 0, "", ""}, // being typed into
        {"10", "", false, 10, 5, "", "5"},        {"10", "5", false, 10, 5, "", ""},
        {"10", "255", false, 10, 255, "", ""},
    };
    for (const Case& c : cases) {
        const FireNumbers n = LimitFireFields(c.count, c.interval, c.intervalFocused);
        SCOPED_TRACE(std::string(c.count) + "/" + c.interval +
                     (c.intervalFocused ? " focused" : ""));
        EXPECT_EQ(n.count, c.wantCount);
        EXPECT_EQ(n.interval, c.wantInterval);
        EXPECT_EQ(n.countRewrite, c.countRewrite);
        EXPECT_EQ(n.intervalRewrite, c.intervalRewrite);
    }
}

TEST(FireFields, OkAppliesEveryLimitWhereverTheFocusIs) {
    // Typed and confirmed without the focus ever leaving the field.
    FireNumbers n = FinalFireNumbers("300", "3");
    EXPECT_EQ(n.count, 255);
    EXPECT_EQ(n.interval, 5);
    n = FinalFireNumbers("", "");
    EXPECT_EQ(n.count, 0);
    EXPECT_EQ(n.interval, 5);
    n = FinalFireNumbers("12", "40");
    EXPECT_EQ(n.count, 12);
    EXPECT_EQ(n.interval, 40);
}

} // namespace
} // namespace mervik::ui
