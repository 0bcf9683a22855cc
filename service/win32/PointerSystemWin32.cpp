#include "service/win32/PointerSystemWin32.h"

namespace mervik {

void Win32PointerSystem::SetDoubleClickTime(int ms) {
    ::SetDoubleClickTime(static_cast<UINT>(ms));
}

void Win32PointerSystem::SetButtonsSwapped(bool swapped) {
    SystemParametersInfoA(SPI_SETMOUSEBUTTONSWAP, 0, nullptr, SPIF_SENDCHANGE);
    SwapMouseButton(swapped);
    SendMessageA(window_, WM_SETTINGCHANGE, SPI_SETMOUSEBUTTONSWAP, 0);
}

void Win32PointerSystem::SetAcceleration(const Acceleration& a) {
    int values[3] = {a.threshold1, a.threshold2, a.speed};
    SystemParametersInfoA(SPI_SETMOUSE, 0, values, SPIF_SENDCHANGE);
    SendMessageA(window_, WM_SETTINGCHANGE, SPI_SETMOUSE, reinterpret_cast<LPARAM>(values));
}

void Win32PointerSystem::SetPointerSpeed(int speed) {
    SystemParametersInfoA(SPI_SETMOUSESPEED, 0,
                          reinterpret_cast<void*>(static_cast<intptr_t>(speed)), SPIF_SENDCHANGE);
    SendMessageA(window_, WM_SETTINGCHANGE, SPI_SETMOUSESPEED, 0);
}

void Win32PointerSystem::SetWheelLines(int lines) {
    SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, static_cast<UINT>(lines), nullptr,
                          SPIF_SENDCHANGE);
    static char kSection[] = "WheelScrollLines";
    DWORD recipients = BSM_APPLICATIONS;
    BroadcastSystemMessageA(BSF_NOHANG, &recipients, WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES,
                            reinterpret_cast<LPARAM>(kSection));
}

} // namespace mervik
