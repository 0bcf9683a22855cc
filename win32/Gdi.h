#pragma once
// Move-only owners of GDI objects and device contexts, so nothing leaks on an
// early return and nothing is deleted twice. Declare the object before the
// guard that selects it: the guard must put the old object back before the
// owner deletes its own.
#include <windows.h>

#include <utility>

namespace mervik::ui {

template <class Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : h_(h) {}
    GdiObject(GdiObject&& other) noexcept : h_(other.release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        reset(other.release());
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { reset(); }

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    // Hands the object over, e.g. a region to SetWindowRgn, which then owns it.
    Handle release() { return std::exchange(h_, nullptr); }
    void reset(Handle h = nullptr) {
        if (h_)
            DeleteObject(h_);
        h_ = h;
    }

private:
    Handle h_ = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

// A memory device context compatible with `reference` (the screen when null).
class MemoryDC {
public:
    explicit MemoryDC(HDC reference = nullptr) : dc_(CreateCompatibleDC(reference)) {}
    ~MemoryDC() {
        if (dc_)
            DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A window's client DC, released on scope exit.
class ClientDC {
public:
    explicit ClientDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~ClientDC() {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    HDC get() const { return dc_; }

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

// A new bitmap holding `rect` of `source` copied 1:1. An empty rectangle or a
// missing source gives an empty (null) bitmap.
Bitmap CutBitmap(HBITMAP source, const RECT& rect);

// Copies the whole of `bitmap` to `dc` at x, y.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);

// Copies `part` of `bitmap` to `dc` with its top-left corner at x, y. The
// bitmap must not be selected into another DC meanwhile.
void DrawBitmapPart(HDC dc, HBITMAP bitmap, const RECT& part, int x, int y);

} // namespace mervik::ui
