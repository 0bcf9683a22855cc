#pragma once
// Helpers for the in-process Win32 tests: a parent window that records what
// its children tell it, a message pump, and small bitmaps and files.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace mervik::ui::test {

struct Received {
    UINT msg;
    WPARAM wp;
    LPARAM lp;
};

// A top-level window that hands its children's notifications back to them,
// as the program's windows do, and records every WM_COMMAND and every message
// at or above WM_USER that reaches it, sent or posted.
class RecordingParent {
public:
    RecordingParent();
    ~RecordingParent();
    HWND Hwnd() const { return hwnd_; }
    std::vector<Received> Take(UINT msg);
    static std::vector<Received>& Log();

private:
    HWND hwnd_ = nullptr;
};

// Dispatches whatever is queued for this thread.
void FlushEvents();

// A 32-bit top-down DIB section filled from `pixels` (0x00RRGGBB).
HBITMAP MakeBitmap(int width, int height, const std::vector<uint32_t>& pixels);

// Writes a 24-bit BMP file in the temporary folder; returns its path.
std::string WriteBmpFile(const std::string& name, int width, int height,
                         const std::function<uint32_t(int x, int y)>& rgbAt);
inline std::string WriteBmpFile(const std::string& name, int width, int height, uint32_t rgb) {
    return WriteBmpFile(name, width, height, [rgb](int, int) { return rgb; });
}
std::string TempPath(const std::string& name);

} // namespace mervik::ui::test
