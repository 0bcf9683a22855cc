#pragma once
// A system popup menu whose items are all owner-drawn in the skin's colours.
// The window that shows it needs no code of its own: the window base hands
// menu measure and draw requests here.
#include <deque>
#include <string>

#include "ui/core/MenuLayout.h"
#include "win32/Gdi.h"

namespace mervik::ui {

class CSkinMenu {
public:
    explicit CSkinMenu(HFONT font = nullptr);
    CSkinMenu(const CSkinMenu&) = delete;
    CSkinMenu& operator=(const CSkinMenu&) = delete;

    // The popup to fill, created by the caller; the menu destroys it.
    void Attach(HMENU menu) { menu_.reset(menu); }
    HMENU Handle() const { return menu_.get(); }
    // kMenuSeparatorCommand appends a separator; a submenu makes the item open it.
    bool AppendItem(int command, const std::string& text, HMENU submenu = nullptr, int marker = 0);
    void SetWidth(int width) { layout_.width = width; }
    MenuLayout& Layout() { return layout_; }

    // Shows the menu at a screen point; the chosen command, 0 for none. A
    // menu opened by the right button is tracked with it, so releasing it
    // over an item chooses that item.
    int Track(HWND owner, POINT screen, bool rightButton = false) const;
    // Shows the menu at a screen point; the chosen command arrives at `owner`
    // as a WM_COMMAND from a menu. True when an item was chosen.
    bool TrackForCommand(HWND owner, POINT screen) const;

    // WM_MEASUREITEM and WM_DRAWITEM for a menu item of any CSkinMenu.
    static bool HandleOwnerDraw(UINT msg, LPARAM lp, LRESULT& result);

private:
    struct ItemRef {
        CSkinMenu* menu;
        int number;
        bool submenu;
    };
    void Measure(MEASUREITEMSTRUCT& item);
    void Draw(const DRAWITEMSTRUCT& item, const ItemRef& ref) const;
    void DrawSeparator(HDC dc, const RECT& rect) const;
    void DrawArrow(HDC dc, const RECT& rect) const;

    win::UniqueMenu menu_;
    HFONT font_;
    MenuLayout layout_;
    std::deque<ItemRef> refs_; // item data points here, so addresses must stay put
};

} // namespace mervik::ui
