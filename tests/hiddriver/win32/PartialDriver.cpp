// A hiddriver.dll that lacks WriteUSB: binding must refuse it whole and call
// none of the nine entry points it does have. Each counts its calls.
#include <windows.h>

namespace {
LONG calls = 0;
int Count() {
    return static_cast<int>(InterlockedIncrement(&calls));
}
} // namespace

extern "C" {
__declspec(dllexport) int WINAPI PartialDriverCalls() {
    return static_cast<int>(calls);
}
int WINAPI Set_VIDPID(int, int) {
    return Count();
}
int WINAPI Open_DevMonitor(HWND, UINT, UINT) {
    return Count();
}
int WINAPI Close_DevMonitor() {
    return Count();
}
int WINAPI Open_FeatureDevice() {
    return Count();
}
int WINAPI Close_FeatureDevice() {
    return Count();
}
int WINAPI Open_ReportDevice() {
    return Count();
}
int WINAPI Close_ReportDevice() {
    return Count();
}
int WINAPI SetFeature(unsigned char*, int) {
    return Count();
}
int WINAPI GetFeature(unsigned char*, int) {
    return Count();
}
}
