#pragma once
// The ten entry points of hiddriver.dll, as both of our libraries (the real
// one and the simulated mouse) export them and as Monitor binds them by name.
// Results the service ignores are still returned: nonzero means success.
#include <windows.h>

extern "C" {

using SetVidPidFn = int(WINAPI*)(int vendorId, int productId);
using OpenDevMonitorFn = int(WINAPI*)(HWND window, UINT eventMessage, UINT changeMessage);
using CloseDevMonitorFn = int(WINAPI*)();
using OpenFeatureDeviceFn = int(WINAPI*)();
using CloseFeatureDeviceFn = int(WINAPI*)();
using OpenReportDeviceFn = int(WINAPI*)();
using CloseReportDeviceFn = int(WINAPI*)();
using SetFeatureFn = int(WINAPI*)(unsigned char* buffer, int length);
using GetFeatureFn = int(WINAPI*)(unsigned char* buffer, int length);
using WriteUsbFn = int(WINAPI*)(unsigned char* buffer, int length);

} // extern "C"

namespace mervik::hid {

inline constexpr char kLibraryName[] = "hiddriver.dll";

inline constexpr char kSetVidPid[] = "Set_VIDPID";
inline constexpr char kOpenDevMonitor[] = "Open_DevMonitor";
inline constexpr char kCloseDevMonitor[] = "Close_DevMonitor";
inline constexpr char kOpenFeatureDevice[] = "Open_FeatureDevice";
inline constexpr char kCloseFeatureDevice[] = "Close_FeatureDevice";
inline constexpr char kOpenReportDevice[] = "Open_ReportDevice";
inline constexpr char kCloseReportDevice[] = "Close_ReportDevice";
inline constexpr char kSetFeature[] = "SetFeature";
inline constexpr char kGetFeature[] = "GetFeature";
inline constexpr char kWriteUsb[] = "WriteUSB";

} // namespace mervik::hid

// Declarations of the exports, for the libraries that define them.
#ifdef MERVIK_HIDDRIVER_EXPORTS
extern "C" {
int WINAPI Set_VIDPID(int vendorId, int productId);
int WINAPI Open_DevMonitor(HWND window, UINT eventMessage, UINT changeMessage);
int WINAPI Close_DevMonitor();
int WINAPI Open_FeatureDevice();
int WINAPI Close_FeatureDevice();
int WINAPI Open_ReportDevice();
int WINAPI Close_ReportDevice();
int WINAPI SetFeature(unsigned char* buffer, int length);
int WINAPI GetFeature(unsigned char* buffer, int length);
int WINAPI WriteUSB(unsigned char* buffer, int length);
}
#endif
