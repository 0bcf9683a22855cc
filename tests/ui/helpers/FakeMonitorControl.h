#pragma once
// How a test tells FakeMonitor.exe what to do while it runs.
#include <windows.h>

// Posted to its window: let go of the block's mutex it holds (--hold-mutex).
inline constexpr UINT kMsgFakeMonitorReleaseMutex = WM_APP + 77;
