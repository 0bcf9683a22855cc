#include "osd/win32/NoticeDrawing.h"

#include <algorithm>

namespace mervik::osd {

namespace {

constexpr int kPadding = 18;
constexpr int kLineGap = 4;
constexpr int kCornerRadius = 16;
constexpr int kMinimumWidth = 180;
constexpr COLORREF kPanelColour = RGB(28, 30, 36);
constexpr COLORREF kTitleColour = RGB(170, 178, 190);
constexpr COLORREF kValueColour = RGB(255, 255, 255);

ui::Font MakeFont(int height, int weight) {
    return ui::Font(CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, "Tahoma"));
}

SIZE TextSize(HDC dc, HFONT font, const std::string& text) {
    ui::SelectGuard select(dc, font);
    RECT rect{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

NoticeDrawing::NoticeDrawing()
    : titleFont_(MakeFont(17, FW_NORMAL)), valueFont_(MakeFont(34, FW_BOLD)) {}

SIZE NoticeDrawing::Measure(const Notice& notice) const {
    ui::MemoryDC dc;
    const SIZE title =
        notice.title.empty() ? SIZE{0, 0} : TextSize(dc.get(), titleFont_.get(), notice.title);
    const SIZE value = TextSize(dc.get(), valueFont_.get(), notice.value);
    const int gap = notice.title.empty() ? 0 : kLineGap;
    return {std::max<LONG>({title.cx, value.cx, kMinimumWidth - 2 * kPadding}) + 2 * kPadding,
            title.cy + gap + value.cy + 2 * kPadding};
}

void NoticeDrawing::Paint(HDC dc, const RECT& client, const Notice& notice) const {
    ui::Brush panel(CreateSolidBrush(kPanelColour));
    FillRect(dc, &client, panel.get());
    SetBkMode(dc, TRANSPARENT);
    RECT line = client;
    InflateRect(&line, -kPadding, -kPadding);
    if (!notice.title.empty()) {
        ui::SelectGuard select(dc, titleFont_.get());
        SetTextColor(dc, kTitleColour);
        const SIZE title = TextSize(dc, titleFont_.get(), notice.title);
        DrawTextA(dc, notice.title.c_str(), static_cast<int>(notice.title.size()), &line,
                  DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        line.top += title.cy + kLineGap;
    }
    ui::SelectGuard select(dc, valueFont_.get());
    SetTextColor(dc, kValueColour);
    DrawTextA(dc, notice.value.c_str(), static_cast<int>(notice.value.size()), &line,
              DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

ui::Region NoticeDrawing::Shape(SIZE size) {
    return ui::Region(
        CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, kCornerRadius, kCornerRadius));
}

} // namespace mervik::osd
