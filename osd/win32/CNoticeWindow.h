#pragma once
// The display's one window, captioned as Monitor looks it up. It stays hidden
// until Monitor posts a notice, then shows it for a moment at the record's
// position: topmost, translucent, never activated and never in the way of
// the pointer, so the program in front keeps the focus and its clicks.
#include <windows.h>

#include <cstdint>
#include <string>

#include "osd/core/NoticeContent.h"
#include "osd/win32/NoticeDrawing.h"
#include "osd/win32/NoticeSources.h"
#include "win32/Window.h"

namespace mervik::osd {

class CNoticeWindow : public win::Window {
public:
    CNoticeWindow(std::string programFolder, int16_t x, int16_t y);
    bool Create();

    // How long a notice stays.
    static constexpr UINT kShowMs = 1500;

protected:
    LRESULT WindowProcedure(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnShow(WPARAM kind, LPARAM lp);
    void OnMove(LPARAM lp);
    void Show(const Notice& notice);
    void Place();
    void OnPaint();

    NoticeSources sources_;
    NoticeDrawing drawing_;
    Notice notice_;
    int16_t x_;
    int16_t y_;
};

} // namespace mervik::osd
