#include "ui/core/NoticePlaces.h"

#include <algorithm>

#include "lang/TextIds.h"
#include "settings/OsdSettings.h"
#include "ui/core/MenuLayout.h"

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

namespace {

// Commands after the ids a skinned menu measures apart (a separator, a
// hidden item): command 1 would be an item of no height, never shown.
constexpr int kFirstPlaceCommand = kMenuHiddenItemId + 1;

} // namespace

MenuModel NoticePlaceMenu() {
    MenuModel menu;
    for (size_t i = 0; i < kNoticePlaceCount; ++i)
        menu.push_back({kFirstPlaceCommand + static_cast<int>(i), NoticePlaces()[i].text, {}});
    return menu;
}

size_t NoticePlaceOfCommand(int command) {
    const int index = command - kFirstPlaceCommand;
    return index >= 0 && index < static_cast<int>(kNoticePlaceCount) ? static_cast<size_t>(index)
                                                                     : kNoticePlaceCount;
}

} // namespace mervik::ui
