#include "osd/win32/NoticeDrawing.h"

#include <algorithm>

#include "settings/win32/WidePath.h"

namespace mervik::osd {

namespace {

constexpr int kPadding = 18;
constexpr int kLineGap = 4;
constexpr int kCornerRadius = 16;
constexpr int kMinimumWidth = 180;
constexpr COLORREF kPanelColour = RGB(28, 30, 36);
constexpr COLORREF kTitleColour = RGB(170, 178, 190);
constexpr COLORREF kValueColour = RGB(255, 255, 255);

// Tahoma: the system links its Chinese letters to it.
ui::Font MakeFont(int height, int weight) {
    return ui::Font(CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, L"Tahoma"));
}

// A shown text (UTF-8) drawn as UTF-16.
int DrawShownText(HDC dc, const std::string& text, RECT& rect, UINT format) {
    const std::wstring wide = win::Widen(text);
    return DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, format);
}

SIZE TextSize(HDC dc, HFONT font, const std::string& text) {
    ui::SelectGuard select(dc, font);
    RECT rect{0, 0, 0, 0};
    DrawShownText(dc, text, rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
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
        DrawShownText(dc, notice.title, line, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        line.top += title.cy + kLineGap;
    }
    ui::SelectGuard select(dc, valueFont_.get());
    SetTextColor(dc, kValueColour);
    DrawShownText(dc, notice.value, line, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

ui::Region NoticeDrawing::Shape(SIZE size) {
    return ui::Region(
        CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, kCornerRadius, kCornerRadius));
}

} // namespace mervik::osd
