#include "ui/win32/skin/PictureLoader.h"

#include <ole2.h>
#include <olectl.h>

#include "settings/FileSystem.h"
#include "settings/win32/WidePath.h"
#include "ui/core/PictureLimits.h"
#include "ui/core/PngPicture.h"

namespace mervik::ui {
namespace {

constexpr size_t kHeaderBytes = 64;

// The file's size and header allow loading it: never hand the system a
// picture whose size alone would exhaust memory. `png` tells whether the
// file starts as a PNG file.
bool FileAllowed(const std::string& path, bool& png) {
    HANDLE file = CreateFileW(win::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    uint8_t header[kHeaderBytes] = {};
    DWORD got = 0;
    LARGE_INTEGER size{};
    const bool read = GetFileSizeEx(file, &size) && size.QuadPart > 0 &&
                      static_cast<unsigned long long>(size.QuadPart) <= kMaxPictureFileBytes &&
                      ReadFile(file, header, sizeof header, &got, nullptr) && got > 0;
    CloseHandle(file);
    png = read && IsPng(std::span<const uint8_t>(header, got));
    return read && BitmapHeaderAllowed(std::span<const uint8_t>(header, got));
}

Bitmap WithinLimits(Bitmap bitmap) {
    const SIZE size = BitmapSize(bitmap.get());
    return PictureSizeAllowed(size.cx, size.cy) ? std::move(bitmap) : Bitmap();
}

// The stream owns the global block once created (fDeleteOnRelease).
IStream* StreamOver(const std::string& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!block)
        return nullptr;
    if (void* at = GlobalLock(block)) {
        memcpy(at, bytes.data(), bytes.size());
        GlobalUnlock(block);
    }
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        GlobalFree(block);
        return nullptr;
    }
    return stream;
}

// The picture owns its handle; keep a copy of our own in screen format.
Bitmap CopyOfPicture(IPicture* picture) {
    OLE_HANDLE handle = 0;
    short type = PICTYPE_UNINITIALIZED;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP)
        return {};
    if (FAILED(picture->get_Handle(&handle)) || !handle)
        return {};
    HBITMAP source = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    SIZE size = BitmapSize(source);
    return CutBitmap(source, RECT{0, 0, size.cx, size.cy});
}

Bitmap LoadThroughPictureLoader(const std::string& path) {
    std::string bytes;
    if (fs::ReadAll(path, bytes, kMaxPictureFileBytes) != fs::ReadResult::Ok || bytes.empty())
        return {};
    IStream* stream = StreamOver(bytes);
    if (!stream)
        return {};
    IPicture* picture = nullptr;
    HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(hr) || !picture)
        return {};
    Bitmap bitmap = CopyOfPicture(picture);
    picture->Release();
    return bitmap;
}

// A PNG file straight into a 32-bit DIB section: the screen's own format,
// so painting it later is a plain copy.
Bitmap LoadPng(const std::string& path) {
    std::string bytes;
    if (fs::ReadAll(path, bytes, kMaxPictureFileBytes) != fs::ReadResult::Ok)
        return {};
    Bitmap bitmap;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const bool decoded = DecodePng(std::span(data, bytes.size()), [&](int width, int height) {
        uint32_t* bits = nullptr;
        bitmap = NewPixelBitmap(width, height, bits);
        return bits;
    });
    return decoded ? std::move(bitmap) : Bitmap();
}

} // namespace

Bitmap LoadPicture(const std::string& path) {
    bool png = false;
    if (path.empty() || !FileAllowed(path, png))
        return {};
    if (png)
        return LoadPng(path);
    // Bitmap files the system reads straight into a DIB section; under Wine
    // that is several times faster than a stream through the picture loader
    // and a copy. Anything else (JPEG, GIF, or a file that is no picture at
    // all) goes to the picture loader.
    HANDLE bitmap = LoadImageW(nullptr, win::Widen(path).c_str(), IMAGE_BITMAP, 0, 0,
                               LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (bitmap)
        return WithinLimits(Bitmap(static_cast<HBITMAP>(bitmap)));
    return WithinLimits(LoadThroughPictureLoader(path));
}

} // namespace mervik::ui
