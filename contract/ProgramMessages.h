#pragma once
// What crosses between Monitor, Option and the companion programs: the kernel
// object names, the window captions each side looks the other up by, and the
// message numbers. Both programs include this one header so the two ends can
// never drift apart.

namespace mervik {

// Named kernel objects.
inline constexpr char kSharedBlockName[] = "Standard_Mouse_Driver_ShareData";
inline constexpr char kSharedMutexName[] = "Standard_Mouse_Driver_Normal_Mutex_Object";
inline constexpr char kMonitorInstanceMutexName[] = "Standard_Mouse_Driver_78_HidHost";
inline constexpr char kOptionInstanceMutexName[] = "Moxen_Standard_Mouse79-configure";

// Window captions, ANSI bytes. Option's is the product title followed by the
// GBK bytes of the two characters that mean "configuration"; Monitor finds
// Option by exactly these bytes, whatever the system's code page.
inline constexpr char kMonitorCaption[] = "Mervik";
inline constexpr char kOptionCaption[] = "Mervik\xC5\xE4\xD6\xC3";
inline constexpr char kOsdCaption[] = "Standard_Mouse_Driver_78_Normal_OSD";

// To Monitor's hidden window.
inline constexpr unsigned kMsgApplyAllSetting = 1224; // Option wrote the block
inline constexpr unsigned kMsgReloadBlock = 1226;
inline constexpr unsigned kMsgReloadBlockAndPointer = 1227;
inline constexpr unsigned kMsgPing = 1274;
// Option asks again for an upload whose tries all failed (its Retry).
inline constexpr unsigned kMsgSendAgain = 1228;
// Option asks for the mouse's status (MouseStatus.h), answered with
// kMsgMouseStatus, and kMsgUploadProgress while an upload runs.
inline constexpr unsigned kMsgAskMouseStatus = 1229;
inline constexpr unsigned kCopyDataNotice = 151; // WM_COPYDATA dwData
inline constexpr unsigned kCmdOpenCustomizer = 6001;

// To Option's main window.
inline constexpr unsigned kMsgDpiReadBack = 1254;
inline constexpr unsigned kMsgProfileSwitched = 1255;
// wParam of 1255 when no profile was switched: another program changed the
// block (1226, 1227) and Monitor took it in. 0 for a switch.
inline constexpr unsigned kBlockChangedElsewhere = 1;
inline constexpr unsigned kMsgMouseChangedLevel = 1256;
inline constexpr unsigned kMsgApplyDone = 1258;
// Beside 1258, which older programs know: the mouse's status whenever it
// changes and how far an upload is (MouseStatus.h).
inline constexpr unsigned kMsgMouseStatus = 1259;
inline constexpr unsigned kMsgUploadProgress = 1260;

// To the on-screen display.
inline constexpr unsigned kMsgOsdShow = 1324;
inline constexpr unsigned kMsgOsdMove = 1326;
// wParam of kMsgOsdShow: the profile notice (profile index in the high half of
// lParam), or the text stored under OSDData/Message.
inline constexpr unsigned kOsdShowProfile = 40;
inline constexpr unsigned kOsdShowText = 50;

} // namespace mervik
