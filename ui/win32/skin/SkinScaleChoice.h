#pragma once
// Which of the skin's scaled variants a top-level skinned window takes: the
// one for the DPI of its monitor (ChooseSkinScale), among the variant folders
// that hold its skin file, at a size that fits the monitor's work area.
#include <windows.h>

#include <string>

namespace mervik::ui {

// The DPI `window` is drawn for: its monitor's under per-monitor awareness.
int WindowDpi(HWND window);

int ChooseWindowSkinScale(HWND window, const std::string& skinFile);
// The same choice for a window going to `monitor` at `dpi` (WM_DPICHANGED).
int ChooseSkinScaleOn(HMONITOR monitor, int dpi, const std::string& skinFile);

} // namespace mervik::ui
