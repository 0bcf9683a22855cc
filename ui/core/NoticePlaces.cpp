#include "ui/core/NoticePlaces.h"

#include <algorithm>

#include "lang/TextIds.h"
#include "settings/OsdSettings.h"

namespace mervik::ui {

namespace {

constexpr int16_t kNear = 0;
constexpr int16_t kMiddle = kOsdPositionScale / 2;
constexpr int16_t kFar = kOsdPositionScale;

} // namespace

const std::array<NoticePlace, kNoticePlaceCount>& NoticePlaces() {
    static const std::array<NoticePlace, kNoticePlaceCount> places = {{
        {kNear, kNear, kTextNoticePlace[0]},
        {kMiddle, kNear, kTextNoticePlace[1]},
        {kFar, kNear, kTextNoticePlace[2]},
        {kNear, kMiddle, kTextNoticePlace[3]},
        {kMiddle, kMiddle, kTextNoticePlace[4]},
        {kFar, kMiddle, kTextNoticePlace[5]},
        {kNear, kFar, kTextNoticePlace[6]},
        {kMiddle, kFar, kTextNoticePlace[7]},
        {kFar, kFar, kTextNoticePlace[8]},
    }};
    return places;
}

size_t NearestNoticePlace(int16_t x, int16_t y) {
    const auto& places = NoticePlaces();
    auto distance = [x, y](const NoticePlace& place) {
        const long long dx = std::clamp<int>(x, 0, kOsdPositionScale) - place.x;
        const long long dy = std::clamp<int>(y, 0, kOsdPositionScale) - place.y;
        return dx * dx + dy * dy;
    };
    return static_cast<size_t>(std::min_element(places.begin(), places.end(),
                                                [&](const NoticePlace& a, const NoticePlace& b) {
                                                    return distance(a) < distance(b);
                                                }) -
                               places.begin());
}

MenuModel NoticePlaceMenu() {
    MenuModel menu;
    for (size_t i = 0; i < kNoticePlaceCount; ++i)
        menu.push_back({static_cast<int>(i + 1), NoticePlaces()[i].text, {}});
    return menu;
}

size_t NoticePlaceOfCommand(int command) {
    return command >= 1 && command <= static_cast<int>(kNoticePlaceCount)
               ? static_cast<size_t>(command - 1)
               : kNoticePlaceCount;
}

} // namespace mervik::ui
