#include <gtest/gtest.h>

#include "settings/OsdSettings.h"
#include "ui/core/MenuLayout.h"
#include "ui/core/NoticePlaces.h"

namespace mervik::ui {
namespace {

TEST(NoticePlaces, EveryRecordShowsAsTheNearestOfferedPlace) {
    const auto& places = NoticePlaces();
    for (size_t i = 0; i < places.size(); ++i)
        EXPECT_EQ(NearestNoticePlace(places[i].x, places[i].y), i);
    const OsdSettings defaults = DefaultOsdSettings();
    EXPECT_EQ(NearestNoticePlace(defaults.NoticeX(), defaults.NoticeY()), 7u); // bottom centre
    EXPECT_EQ(NearestNoticePlace(200, 240), 0u);
    EXPECT_EQ(NearestNoticePlace(700, 560), 4u);
    // Values another program wrote beyond the scale: the nearer edge.
    EXPECT_EQ(NearestNoticePlace(-32768, 32767), 6u);
    EXPECT_EQ(NearestNoticePlace(32767, -5), 2u);
}

TEST(NoticePlaces, MenuCommandsChooseTheirPlace) {
    const MenuModel menu = NoticePlaceMenu();
    ASSERT_EQ(menu.size(), kNoticePlaceCount);
    for (size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(NoticePlaceOfCommand(menu[i].command), i);
        // A skinned menu gives the separator's and the hidden item's ids no
        // room: the first place went unseen.
        EXPECT_NE(menu[i].command, kMenuSeparatorItemId);
        EXPECT_NE(menu[i].command, kMenuHiddenItemId);
        EXPECT_EQ(menu[i].text, NoticePlaces()[i].text);
    }
    EXPECT_EQ(NoticePlaceOfCommand(0), kNoticePlaceCount);
    EXPECT_EQ(NoticePlaceOfCommand(menu.back().command + 1), kNoticePlaceCount);
}

} // namespace
} // namespace mervik::ui
