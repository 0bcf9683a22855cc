// Monitor's tray icon at the tray's DPI: the program's icon holds a picture
// drawn at each small-icon size of the usual display scales, and the tray
// takes the one of its DPI rather than a stretched one.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "service/win32/TrayIconPicture.h"
#include "settings/FilePaths.h"
#include "settings/win32/WidePath.h"
#include "win32/Gdi.h"

namespace mervik {
namespace {

std::string MonitorExe() {
    return FolderOf(win::ModulePath()) + "monitor-files\\Monitor.exe";
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return {};
    ui::Bitmap colour(info.hbmColor);
    ui::Bitmap mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectA(colour.get(), sizeof bitmap, &bitmap);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

// The width of the picture the icon group holds nearest `side` pixels.
int GroupPictureSide(HMODULE module, int side) {
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1),
                                MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(RT_GROUP_ICON)));
    if (!group)
        return -1;
    auto* directory = static_cast<PBYTE>(LockResource(LoadResource(module, group)));
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, side, side, LR_DEFAULTCOLOR);
    HRSRC picture = FindResourceW(module, MAKEINTRESOURCEW(id),
                                  MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(RT_ICON)));
    if (!picture)
        return -1;
    // The picture is a bitmap header: its width comes first after the size.
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, picture)));
    return header->biWidth;
}

TEST(TrayIconPicture, TheIconHoldsAPictureForEachUsualScale) {
    win::UniqueModule monitor(
        LoadLibraryExW(win::Widen(MonitorExe()).c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(monitor) << MonitorExe();
    for (int side : {16, 20, 24, 32})
        EXPECT_EQ(GroupPictureSide(monitor.get(), side), side)
            << "no picture of " << side << " pixels";
}

TEST(TrayIconPicture, TakesTheSmallIconSizeOfTheTraysDpi) {
    struct Case {
        int dpi, side;
    } cases[] = {{96, 16}, {120, 20}, {144, 24}, {192, 32}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(SmallIconSide(c.dpi), c.side);
        win::UniqueIcon icon = TrayIconPicture(MonitorExe(), c.dpi);
        ASSERT_TRUE(icon);
        const SIZE size = IconSize(icon.get());
        EXPECT_EQ(size.cx, c.side);
        EXPECT_EQ(size.cy, c.side);
    }
}

TEST(TrayIconPicture, AProgramWithoutIconsGetsTheShellsIcon) {
    // The shell's icon for a file with no icon of its own (lan.dll), at the
    // system's small size.
    win::UniqueIcon icon =
        TrayIconPicture(FolderOf(win::ModulePath()) + "monitor-files\\lan.dll", 144);
    ASSERT_TRUE(icon);
    EXPECT_EQ(IconSize(icon.get()).cx, GetSystemMetrics(SM_CXSMICON));
}

} // namespace
} // namespace mervik
