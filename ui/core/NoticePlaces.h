#pragma once
// The places Option offers for the on-screen display's notices: the corners,
// the middles of the edges and the centre of the screen's work area, as
// positions of the display's record.
#include <array>
#include <cstddef>
#include <cstdint>

#include "ui/core/MenuModel.h"

namespace mervik::ui {

struct NoticePlace {
    int16_t x;
    int16_t y;
    unsigned text; // its name in lan.dll
};

constexpr size_t kNoticePlaceCount = 9;
const std::array<NoticePlace, kNoticePlaceCount>& NoticePlaces();

// The offered place nearest to a record's position, which another program
// may have written with any values.
size_t NearestNoticePlace(int16_t x, int16_t y);

// The places as a menu: item i sends command i + 1.
MenuModel NoticePlaceMenu();
// The place a command of that menu chooses; none (kNoticePlaceCount) for
// another command.
size_t NoticePlaceOfCommand(int command);

} // namespace mervik::ui
