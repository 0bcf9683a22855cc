#include "ui/core/FaceChoice.h"

#include <gtest/gtest.h>

namespace mervik::ui {
namespace {

struct FaceCase {
    ButtonState state;
    Face skin;
    Face colour;
};

// toggle, pressed, hover, clicking, disabled
const FaceCase kCases[] = {
    // push mode
    {{false, false, false, false, false}, Face::Normal, Face::Normal},
    {{false, false, true, false, false}, Face::Over, Face::Down},
    {{false, false, false, true, false}, Face::Down, Face::Down},
    {{false, false, false, false, true}, Face::Disable, Face::Disable},
    {{false, false, true, false, true}, Face::Over, Face::Disable},
    {{false, true, false, false, false}, Face::Down, Face::Over},
    {{false, true, true, false, false}, Face::Down, Face::Down},
    {{false, true, false, false, true}, Face::Disable, Face::Over},
    // toggle mode
    {{true, false, false, false, false}, Face::Normal, Face::Normal},
    {{true, false, true, false, false}, Face::Over, Face::Down},
    {{true, true, false, false, false}, Face::Down, Face::Over},
    {{true, true, true, false, false}, Face::Down, Face::Down},
    {{true, true, true, false, true}, Face::Disable, Face::Disable},
};

TEST(FaceChoice, SkinAndColourButtonsPickTheirFaces) {
    for (size_t i = 0; i < std::size(kCases); ++i) {
        EXPECT_EQ(SkinButtonFace(kCases[i].state), kCases[i].skin) << "case " << i;
        EXPECT_EQ(ColorButtonFace(kCases[i].state), kCases[i].colour) << "case " << i;
    }
}

TEST(FaceChoice, RegionButtonFollowsItsStateUnlessChecked) {
    EXPECT_EQ(RgnButtonFace(RgnState::Normal, false), Face::Normal);
    EXPECT_EQ(RgnButtonFace(RgnState::Hover, false), Face::Over);
    EXPECT_EQ(RgnButtonFace(RgnState::Pressed, false), Face::Down);
    EXPECT_EQ(RgnButtonFace(RgnState::Disabled, false), Face::Disable);
    EXPECT_EQ(RgnButtonFace(RgnState::Disabled, true), Face::Down);
    EXPECT_EQ(RgnButtonFace(RgnState::Hover, true), Face::Down);
}

} // namespace
} // namespace mervik::ui
