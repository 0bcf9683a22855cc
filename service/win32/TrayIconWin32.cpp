#include "service/win32/TrayIconWin32.h"

#include "settings/win32/WidePath.h"

#include <algorithm>

#include "service/core/MonitorConstants.h"
#include "service/win32/GreyIconWin32.h"
#include "service/win32/TrayIconPicture.h"
#include "settings/Utf8Cut.h"

namespace mervik {

namespace {

// Copies the shown text (UTF-8) as at most `maxChars` UTF-16 units, on
// whole characters, and always terminates.
template <size_t N> void CopyCut(wchar_t (&field)[N], std::string_view text, size_t maxChars) {
    const std::wstring wide = win::Widen(CutToUtf16Units(text, std::min(maxChars, N - 1)));
    std::copy_n(wide.data(), wide.size(), field);
    field[wide.size()] = L'\0';
}

} // namespace

Win32TrayIcon::Win32TrayIcon(HWND window, const std::string& exePath, const std::string& tip)
    : icon_(TrayIconPicture(exePath, TrayDpi())), greyIcon_(GreyedCopy(icon_.get())) {
    // The record with balloon fields; later fields are not used.
    record_.cbSize = NOTIFYICONDATAW_V2_SIZE;
    record_.hWnd = window;
    record_.uID = monitor::kTrayIconId;
    record_.uCallbackMessage = monitor::kMsgSystrayNotify;
    record_.hIcon = icon_ ? icon_.get() : LoadIcon(nullptr, IDI_APPLICATION);
    CopyCut(record_.szTip, tip, monitor::kTipMaxChars);
}

void Win32TrayIcon::AddIcon() {
    if (shown_)
        return;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    shown_ = Shell_NotifyIconW(NIM_ADD, &record_) != FALSE;
}

void Win32TrayIcon::RemoveIcon() {
    Shell_NotifyIconW(NIM_DELETE, &record_);
    shown_ = false;
}

void Win32TrayIcon::ShowConnected(bool connected) {
    HICON picture = connected || !greyIcon_ ? icon_.get() : greyIcon_.get();
    record_.hIcon = picture ? picture : LoadIcon(nullptr, IDI_APPLICATION);
    if (!shown_)
        return;
    NOTIFYICONDATAW iconOnly = record_;
    iconOnly.uFlags = NIF_ICON;
    Shell_NotifyIconW(NIM_MODIFY, &iconOnly);
}

void Win32TrayIcon::SetTip(std::string_view tip) {
    CopyCut(record_.szTip, tip, monitor::kTipMaxChars);
    if (!shown_)
        return;
    // Only the tip changes: a balloon already shown is not shown again.
    NOTIFYICONDATAW tipOnly = record_;
    tipOnly.uFlags = NIF_TIP;
    Shell_NotifyIconW(NIM_MODIFY, &tipOnly);
}

void Win32TrayIcon::ShowBalloon(std::string_view text, std::string_view title, uint32_t infoFlags,
                                uint32_t timeoutMs) {
    CopyCut(record_.szInfoTitle, title, monitor::kBalloonTitleMaxChars);
    CopyCut(record_.szInfo, text, monitor::kBalloonTextMaxChars);
    record_.uFlags |= NIF_INFO;
    record_.uTimeout = timeoutMs;
    record_.dwInfoFlags = infoFlags;
    Shell_NotifyIconW(NIM_MODIFY, &record_);
}

} // namespace mervik
