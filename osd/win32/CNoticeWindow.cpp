#include "osd/win32/CNoticeWindow.h"

#include "contract/ProgramMessages.h"
#include "osd/core/NoticePlacement.h"

namespace mervik::osd {

namespace {

constexpr char kWindowClass[] = "MervikNoticeWindow";
constexpr UINT_PTR kHideTimer = 1;
constexpr BYTE kOpacity = 225; // of 255
constexpr DWORD kExStyle =
    WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;

ScreenRect WorkArea() {
    RECT area{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {area.left, area.top, area.right, area.bottom};
}

void Trace(const std::string& line) {
    OutputDebugStringA(("PellamOSD: " + line + "\n").c_str());
}

} // namespace

CNoticeWindow::CNoticeWindow(std::string programFolder, int16_t x, int16_t y)
    : sources_(std::move(programFolder)), x_(x), y_(y) {}

bool CNoticeWindow::Create() {
    if (!RegisterWindowClass(kWindowClass, 0, LoadCursor(nullptr, IDC_ARROW)) ||
        !Window::Create(kExStyle, kWindowClass, kOsdCaption, WS_POPUP, RECT{0, 0, 1, 1}, nullptr))
        return false;
    SetLayeredWindowAttributes(Hwnd(), 0, kOpacity, LWA_ALPHA);
    return true;
}

LRESULT CNoticeWindow::WindowProcedure(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case kMsgOsdShow:
        OnShow(wp, lp);
        return 0;
    case kMsgOsdMove:
        OnMove(lp);
        return 0;
    case WM_TIMER:
        if (wp != kHideTimer)
            break;
        KillTimer(Hwnd(), kHideTimer);
        ShowWindow(Hwnd(), SW_HIDE);
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_CLOSE:
        Destroy();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return Default();
}

// Any program may post here: a kind or a profile index it does not know
// shows nothing.
void CNoticeWindow::OnShow(WPARAM kind, LPARAM lp) {
    std::optional<Notice> notice;
    if (kind == kOsdShowProfile) {
        const auto index = static_cast<int>(static_cast<uint32_t>(lp) >> 16 & 0xFFFF);
        notice = ProfileNotice(index, sources_.ReadImage().get(), sources_.Texts());
    } else if (kind == kOsdShowText) {
        notice =
            StoredTextNotice(sources_.StoredText(), sources_.ReadImage().get(), sources_.Texts());
    }
    if (notice)
        Show(*notice);
}

void CNoticeWindow::OnMove(LPARAM lp) {
    const auto words = static_cast<uint32_t>(lp);
    x_ = static_cast<int16_t>(words >> 16);
    y_ = static_cast<int16_t>(words & 0xFFFF);
    if (IsWindowVisible(Hwnd()))
        Place();
}

void CNoticeWindow::Show(const Notice& notice) {
    notice_ = notice;
    Trace("shows " + NoticeLine(notice_));
    Place();
    InvalidateRect(Hwnd(), nullptr, FALSE);
    UpdateWindow(Hwnd());
    // A notice that comes while one shows replaces it and gets its full time.
    SetTimer(Hwnd(), kHideTimer, kShowMs, nullptr);
}

void CNoticeWindow::Place() {
    const SIZE size = drawing_.Measure(notice_);
    const ScreenRect rect = PlaceNotice(size.cx, size.cy, WorkArea(), x_, y_);
    SetWindowRgn(Hwnd(), NoticeDrawing::Shape(size).release(), FALSE);
    SetWindowPos(Hwnd(), HWND_TOPMOST, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CNoticeWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    RECT client;
    GetClientRect(Hwnd(), &client);
    drawing_.Paint(dc, client, notice_);
    EndPaint(Hwnd(), &paint);
}

} // namespace mervik::osd
