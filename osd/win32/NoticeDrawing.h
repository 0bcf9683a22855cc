#pragma once
// How a notice looks: its title small above its value in large letters, light
// on a dark rounded panel.
#include <windows.h>

#include "osd/core/NoticeContent.h"
#include "win32/Gdi.h"

namespace mervik::osd {

class NoticeDrawing {
public:
    NoticeDrawing();

    // The panel's size for `notice`.
    SIZE Measure(const Notice& notice) const;
    void Paint(HDC dc, const RECT& client, const Notice& notice) const;
    // The panel's shape for a window of that size; the window takes it.
    static ui::Region Shape(SIZE size);

private:
    ui::Font titleFont_;
    ui::Font valueFont_;
};

} // namespace mervik::osd
