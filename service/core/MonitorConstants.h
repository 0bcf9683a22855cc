#pragma once
// Numbers and names private to Monitor: its timers, its tray icon, its device
// worker's results and the companion programs it starts and closes. What
// crosses to Option lives in contract/ProgramMessages.h.
#include <cstdint>

namespace mervik::monitor {

// Timers of the hidden window.
inline constexpr unsigned kTimerForeground = 500; // profile by foreground program
inline constexpr unsigned kForegroundPeriodMs = 2000;
inline constexpr unsigned kTimerStartReadBack = 502; // once, after start-up
inline constexpr unsigned kStartReadBackDelayMs = 200;
inline constexpr unsigned kTimerUploadRetry = 503; // once, the next try of a failed upload
inline constexpr unsigned kTimerBlockRetry = 504;  // the shared block written again
inline constexpr unsigned kBlockRetryMs = 500;
inline constexpr unsigned kTimerBalloon = 1000; // hides a notice
inline constexpr unsigned kBalloonPeriodMs = 1000;

// The mouse may need a moment after opening before it answers.
inline constexpr unsigned kSettleAfterOpenMs = 100;

// The device worker's results, posted to the hidden window: WM_APP + 1, the
// result's kind in wParam and its value in lParam (WorkerResult.h).
inline constexpr unsigned kMsgWorkerResult = 0x8001;

// WM_CLOSE, the one system message the core posts to other programs.
inline constexpr unsigned kMsgClose = 0x0010;

// Tray icon.
inline constexpr unsigned kTrayIconId = 102;
inline constexpr unsigned kMsgSystrayNotify = 1036;
inline constexpr unsigned kCmdExit = 6002;
inline constexpr unsigned kCmdSendAgain = 6003; // the settings to the mouse again
// The tray menu's profile items: this command for profile 0, then one a profile.
inline constexpr unsigned kCmdFirstProfile = 6010;
inline constexpr unsigned kTipMaxChars = 63;
inline constexpr unsigned kBalloonTitleMaxChars = 63;
inline constexpr unsigned kBalloonTextMaxChars = 255;
inline constexpr uint32_t kBalloonInfoFlags = 0x10; // NIIF_NOSOUND
inline constexpr uint32_t kNoticeTimeoutMs = 1000;
inline constexpr uint32_t kHideTimeoutMs = 500;

// Programs started beside Monitor, relative to the program folder.
inline constexpr const char* kOptionProgram = "Option.exe";
inline constexpr const char* kCompanionPrograms[] = {
    "PellamOSD.exe",
    "Applets\\LoadMeter.exe",
    "Applets\\MailWatch.EXE",
};

// Windows of the companion programs, closed when Monitor ends.
inline constexpr const char* kCompanionCaptions[] = {
    "Standard_Mouse_Driver_78_Normal_OSD", "Standard Mouse Driver Pop3",
    "Standard Mouse Driver CPU RAM OSD",   "Standard Mouse Driver OSD SKYPE",
    "Standard Mouse Driver OSD MSN",
};

} // namespace mervik::monitor
