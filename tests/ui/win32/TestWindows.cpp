#include "tests/ui/win32/TestWindows.h"

#include <cstdio>
#include <cstring>

#include "ui/win32/controls/CWindow.h"
#include "win32/Gdi.h"

namespace mervik::ui::test {
namespace {

constexpr char kParentClass[] = "MervikTestParent";

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // Like the program's windows, the parent hands notifications back to
    // the control that sent them.
    if (msg == WM_COMMAND && CWindow::ReflectCommand(wp, lp))
        return 0;
    if (msg == WM_COMMAND || msg >= WM_USER)
        RecordingParent::Log().push_back({msg, wp, lp});
    return DefWindowProcA(hwnd, msg, wp, lp);
}

} // namespace

std::vector<Received>& RecordingParent::Log() {
    static std::vector<Received> log;
    return log;
}

RecordingParent::RecordingParent() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kParentClass;
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(0, kParentClass, "parent", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                            wc.hInstance, nullptr);
    Log().clear();
}

RecordingParent::~RecordingParent() {
    DestroyWindow(hwnd_);
}

std::vector<Received> RecordingParent::Take(UINT msg) {
    FlushEvents();
    std::vector<Received> matching;
    for (const Received& r : Log())
        if (r.msg == msg)
            matching.push_back(r);
    Log().clear();
    return matching;
}

void FlushEvents() {
    MSG msg;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

HBITMAP MakeBitmap(int width, int height, const std::vector<uint32_t>& pixels) {
    uint32_t* bits = nullptr;
    ui::Bitmap bitmap = ui::NewPixelBitmap(width, height, bits);
    if (bitmap)
        memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
    return bitmap.release();
}

std::string TempPath(const std::string& name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

std::string WriteBmpFile(const std::string& name, int width, int height,
                         const std::function<uint32_t(int x, int y)>& rgbAt) {
    int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes * height);
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::string path = TempPath(name);
    FILE* f = fopen(path.c_str(), "wb");
    fwrite(&file, sizeof file, 1, f);
    fwrite(&info, sizeof info, 1, f);
    for (int y = height - 1; y >= 0; --y) { // bottom-up
        std::vector<unsigned char> row(static_cast<size_t>(rowBytes), 0);
        for (int x = 0; x < width; ++x) {
            uint32_t rgb = rgbAt(x, y);
            row[x * 3 + 0] = rgb & 0xFF;
            row[x * 3 + 1] = (rgb >> 8) & 0xFF;
            row[x * 3 + 2] = (rgb >> 16) & 0xFF;
        }
        fwrite(row.data(), row.size(), 1, f);
    }
    fclose(f);
    return path;
}

} // namespace mervik::ui::test
