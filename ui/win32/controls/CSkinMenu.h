#pragma once
// A system popup menu whose items are all owner-drawn in the skin's colours.
// The window that shows it needs no code of its own: each item draws itself
// (OwnerDrawnMenuItem), and the window base hands it the requests.
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "ui/core/MenuLayout.h"
#include "ui/core/MenuModel.h"
#include "ui/core/TextLookup.h"
#include "ui/win32/controls/OwnerDrawnMenuItem.h"
#include "win32/Gdi.h"

namespace mervik::ui {

class CSkinMenu {
public:
    // An empty popup `width` pixels wide at 100 %, in the skin's text font,
    // drawn at `scalePercent` (the skin's scale of the window it drops from).
    explicit CSkinMenu(int width = 0, int scalePercent = 100);
    // The menu a model describes, every level `width` wide.
    CSkinMenu(const MenuModel& model, int width, const TextLookup& text, int scalePercent = 100);
    CSkinMenu(CSkinMenu&& other) noexcept;
    CSkinMenu& operator=(CSkinMenu&&) = delete;
    CSkinMenu(const CSkinMenu&) = delete;
    CSkinMenu& operator=(const CSkinMenu&) = delete;
    ~CSkinMenu();

    HMENU Handle() const { return menu_.get(); }
    // kMenuSeparatorCommand appends a separator.
    bool AppendItem(int command, const std::string& text);
    // An item that opens `submenu`. The system menu destroys a submenu with
    // its parent, so the parent takes its handle, and keeps the object, which
    // draws the submenu's items.
    bool AppendSubmenu(const std::string& text, CSkinMenu&& submenu);
    MenuLayout& Layout() { return layout_; }

    // Shows the menu at a screen point; the chosen command, 0 for none. A
    // menu opened by the right button is tracked with it, so releasing it
    // over an item chooses that item.
    int Track(HWND owner, POINT screen, bool rightButton = false) const;
    // Shows the menu at a screen point; the chosen command arrives at `owner`
    // as a WM_COMMAND from a menu. True when an item was chosen.
    bool TrackForCommand(HWND owner, POINT screen) const;

private:
    struct ItemRef final : OwnerDrawnMenuItem {
        ItemRef(CSkinMenu* owner, int itemNumber, bool opensSubmenu)
            : menu(owner), number(itemNumber), submenu(opensSubmenu) {}
        void Measure(MEASUREITEMSTRUCT& item) override { menu->Measure(item); }
        void Draw(const DRAWITEMSTRUCT& item) override { menu->Draw(item, *this); }

        CSkinMenu* menu;
        int number;
        bool submenu;
    };
    void Measure(MEASUREITEMSTRUCT& item);
    void Draw(const DRAWITEMSTRUCT& item, const ItemRef& ref) const;
    void DrawSeparator(HDC dc, const RECT& rect) const;
    void DrawArrow(HDC dc, const RECT& rect) const;

    bool AppendEntry(UINT flags, UINT_PTR id, int command, const std::string& text, bool submenu);

    win::UniqueMenu menu_;
    HFONT font_;
    MenuLayout layout_;
    std::deque<ItemRef> refs_; // item data points here, so addresses must stay put
    std::vector<std::unique_ptr<CSkinMenu>> submenus_;
};

} // namespace mervik::ui
