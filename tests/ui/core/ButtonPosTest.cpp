#include "ui/core/ButtonPos.h"

#include <gtest/gtest.h>

namespace mervik::ui {
namespace {

TEST(ButtonPos, FullValueGivesRectangleTooltipAndPressedState) {
    ButtonPos pos = ParseButtonPos("Apply,10,20,30,40,Apply the settings,TRUE");
    EXPECT_EQ(pos.label, "Apply");
    EXPECT_EQ(pos.rect, (PixelRect{10, 20, 40, 60}));
    EXPECT_EQ(pos.tooltip, "Apply the settings");
    EXPECT_TRUE(pos.pressed);
}

TEST(ButtonPos, FlagWithoutTrueStartsReleased) {
    for (const char* value :
         {"tab,1,2,3,4,tip,", "tab,1,2,3,4,tip,FALSE", "tab,1,2,3,4,tip,true"}) {
        ButtonPos pos = ParseButtonPos(value);
        EXPECT_FALSE(pos.pressed) << value;
        EXPECT_EQ(pos.tooltip, "tip") << value;
    }
}

TEST(ButtonPos, EmptyTooltipAndEmptyValue) {
    ButtonPos pos = ParseButtonPos("ok,5,6,7,8,,FALSE");
    EXPECT_EQ(pos.tooltip, "");
    EXPECT_EQ(pos.rect, (PixelRect{5, 6, 12, 14}));

    ButtonPos missing = ParseButtonPos("");
    EXPECT_TRUE(missing.rect.IsEmpty());
    EXPECT_EQ(missing.tooltip, "");
    EXPECT_FALSE(missing.pressed);
}

TEST(ButtonPos, MalformedNumbersLeaveTheRestZero) {
    ButtonPos pos = ParseButtonPos("x,12,abc,3,4,tip,TRUE");
    EXPECT_EQ(pos.rect, (PixelRect{12, 0, 12, 0}));
    EXPECT_TRUE(pos.rect.IsEmpty());
    // Negative and blank-padded numbers read as the C library would.
    EXPECT_EQ(ParseButtonPos("x, -3, 4 ,10,+2,t,").rect, (PixelRect{-3, 4, 7, 6}));
}

TEST(ButtonPos, OverlongLabelAndTooltipAreCutToTheirFields) {
    std::string label(60, 'L');
    std::string tip(150, 'T');
    ButtonPos pos = ParseButtonPos(label + ",1,1,1,1," + tip + ",TRUE");
    EXPECT_EQ(pos.label, std::string(kButtonLabelMax, 'L'));
    EXPECT_EQ(pos.tooltip, std::string(kButtonTooltipMax, 'T'));
    EXPECT_EQ(pos.rect, (PixelRect{1, 1, 2, 2}));
}

TEST(ButtonPos, TrueAnywhereAfterTheLabelCounts) {
    // The flag test looks at everything after the label, tooltip included.
    EXPECT_TRUE(ParseButtonPos("a,1,1,1,1,TRUE colours,").pressed);
    EXPECT_FALSE(ParseButtonPos("TRUE,1,1,1,1,tip,").pressed);
}

} // namespace
} // namespace mervik::ui

namespace mervik::ui {
namespace {

// Sizes near the integer limits must not overflow into a wrapped rectangle
// (undefined behaviour the sanitizer tree would catch).
TEST(ButtonPos, HugeValuesAreClampedToWindowCoordinates) {
    EXPECT_EQ(ParseButtonPos("a,2147483647,1,2147483647,5,t,").rect,
              (PixelRect{32767, 1, 32767 + 32767, 6}));
    EXPECT_EQ(ParseButtonPos("a,-2147483648,0,10,-2147483648,t,").rect,
              (PixelRect{-32767, 0, -32757, -32767}));
    EXPECT_TRUE(ParseButtonPos("a,10,10,-2147483648,20,t,").rect.IsEmpty());
}

} // namespace
} // namespace mervik::ui
