#pragma once
// The notification-area icon of the hidden window, with its tip and balloons.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "service/core/MonitorPorts.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik {

class Win32TrayIcon final : public Notifier {
public:
    // `tip` is cut to the record's 63 characters.
    Win32TrayIcon(HWND window, const std::string& exePath, const std::string& tip);
    Win32TrayIcon(const Win32TrayIcon&) = delete;
    Win32TrayIcon& operator=(const Win32TrayIcon&) = delete;

    void AddIcon() override;
    void RemoveIcon() override;
    void ShowConnected(bool connected) override;
    void SetTip(std::string_view tip) override;
    void ShowBalloon(std::string_view text, std::string_view title, uint32_t infoFlags,
                     uint32_t timeoutMs) override;

private:
    NOTIFYICONDATAW record_{};
    bool shown_ = false;
    win::UniqueIcon icon_;
    win::UniqueIcon greyIcon_; // while the mouse is away
};

} // namespace mervik
