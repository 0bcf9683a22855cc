#pragma once
// Move-only owners of GDI objects and device contexts, so nothing leaks on an
// early return and nothing is deleted twice. Declare the object before the
// guard that selects it: the guard must put the old object back before the
// owner deletes its own.
#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "win32/UniqueHandleWin32.h"

namespace mervik::ui {

template <class H> struct GdiObjectTraits {
    using Handle = H;
    static bool Valid(H h) { return h != nullptr; }
    static void Free(H h) { DeleteObject(h); }
};
// release() hands the object over, e.g. a region to SetWindowRgn, which then
// owns it.
template <class H> using GdiObject = win::UniqueOwner<GdiObjectTraits<H>>;

using Bitmap = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

struct MemoryDCTraits {
    using Handle = HDC;
    static bool Valid(HDC dc) { return dc != nullptr; }
    static void Free(HDC dc) { DeleteDC(dc); }
};

// A memory device context compatible with `reference` (the screen when null).
class MemoryDC : public win::UniqueOwner<MemoryDCTraits> {
public:
    explicit MemoryDC(HDC reference = nullptr) : UniqueOwner(CreateCompatibleDC(reference)) {}
};

// A window's client DC, released on scope exit. Its own shape, as releasing
// needs the window as well as the DC.
class ClientDC {
public:
    explicit ClientDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~ClientDC() { reset(); }
    ClientDC(ClientDC&& other) noexcept
        : hwnd_(other.hwnd_), dc_(std::exchange(other.dc_, nullptr)) {}
    ClientDC& operator=(ClientDC&& other) noexcept {
        if (this != &other) {
            reset();
            hwnd_ = other.hwnd_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void reset() {
        if (dc_)
            ReleaseDC(hwnd_, std::exchange(dc_, nullptr));
    }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC for the guard's lifetime.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object)
        : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() {
        if (old_)
            SelectObject(dc_, old_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Width and height of a bitmap; 0, 0 for none.
SIZE BitmapSize(HBITMAP bitmap);

// Pictures as the suite's pixel rules see them: 32-bit pixels (0x00RRGGBB),
// rows from the top.
// A new DIB section of that format; `bits` points at its pixels.
Bitmap NewPixelBitmap(int width, int height, uint32_t*& bits);
// The pixels of `bitmap` in that format, and its size; none when it cannot be
// read. The bitmap must not be selected into a DC.
std::vector<uint32_t> ReadPixels(HBITMAP bitmap, SIZE& size);

// A new bitmap holding `rect` of `source` copied 1:1. An empty rectangle or a
// missing source gives an empty (null) bitmap.
Bitmap CutBitmap(HBITMAP source, const RECT& rect);

// Copies the whole of `bitmap` to `dc` at x, y.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);

// Copies `part` of `bitmap` to `dc` with its top-left corner at x, y. The
// bitmap must not be selected into another DC meanwhile.
void DrawBitmapPart(HDC dc, HBITMAP bitmap, const RECT& part, int x, int y);

} // namespace mervik::ui
