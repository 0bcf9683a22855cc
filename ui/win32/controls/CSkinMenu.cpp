#include "ui/win32/controls/CSkinMenu.h"

#include "ui/win32/main/ResourceIds.h"

namespace mervik::ui {
namespace {
constexpr int kArrowFromRight = 19;
constexpr int kArrowAbove = 9;
constexpr int kTextIndent = 2;
} // namespace

CSkinMenu::CSkinMenu(HFONT font) : font_(font) {}

bool CSkinMenu::AppendItem(int command, const std::string& text, HMENU submenu, int marker) {
    if (!menu_)
        return false;
    const MenuItem& item = layout_.Append(command, text, marker);
    refs_.push_back({this, item.number, submenu != nullptr});
    auto data = reinterpret_cast<LPCSTR>(&refs_.back());
    if (command == kMenuSeparatorCommand)
        return AppendMenuA(menu_.get(), MF_SEPARATOR | MF_OWNERDRAW, 0, data) != FALSE;
    if (submenu)
        return AppendMenuA(menu_.get(), MF_POPUP | MF_OWNERDRAW,
                           reinterpret_cast<UINT_PTR>(submenu), data) != FALSE;
    return AppendMenuA(menu_.get(), MF_OWNERDRAW, static_cast<UINT_PTR>(command), data) != FALSE;
}

int CSkinMenu::Track(HWND owner, POINT screen, bool rightButton) const {
    const UINT button = rightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON;
    return static_cast<int>(TrackPopupMenu(menu_.get(),
                                           TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | button,
                                           screen.x, screen.y, 0, owner, nullptr));
}

bool CSkinMenu::TrackForCommand(HWND owner, POINT screen) const {
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON,
                       screen.x, screen.y, 0, owner, nullptr));
    if (chosen == 0)
        return false;
    PostMessageA(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return true;
}

void CSkinMenu::Measure(MEASUREITEMSTRUCT& item) {
    // Separators arrive with identifier 0, submenu items with their handle.
    bool isSeparator = item.itemID == static_cast<UINT>(kMenuSeparatorItemId);
    item.itemHeight = static_cast<UINT>(
        layout_.Measure(isSeparator ? kMenuSeparatorItemId : static_cast<int>(item.itemID)));
    item.itemWidth = static_cast<UINT>(layout_.width);
}

void CSkinMenu::DrawSeparator(HDC dc, const RECT& rect) const {
    Brush fill(CreateSolidBrush(layout_.colours.background));
    FillRect(dc, &rect, fill.get());
    Pen line(CreatePen(PS_SOLID, 1, layout_.colours.line));
    SelectGuard select(dc, line.get());
    int y = rect.top + (rect.bottom - rect.top) / 2;
    MoveToEx(dc, rect.left, y, nullptr);
    LineTo(dc, rect.right, y);
}

void CSkinMenu::DrawArrow(HDC dc, const RECT& rect) const {
    HICON arrow = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kArrowIconId));
    if (arrow)
        DrawIconEx(dc, rect.right - kArrowFromRight, rect.top - kArrowAbove, arrow, 0, 0, 0,
                   nullptr, DI_NORMAL);
}

void CSkinMenu::Draw(const DRAWITEMSTRUCT& item, const ItemRef& ref) const {
    HDC dc = item.hDC;
    const RECT& rect = item.rcItem;
    const MenuItem* entry = layout_.Find(ref.number);
    if (item.itemID == static_cast<UINT>(kMenuSeparatorItemId) || !entry ||
        entry->command == kMenuSeparatorCommand) {
        DrawSeparator(dc, rect);
    } else {
        MenuLayout::Paint paint =
            layout_.ItemPaint((item.itemState & ODS_SELECTED) != 0, entry->marker);
        Brush fill(CreateSolidBrush(paint.fill));
        FillRect(dc, &rect, fill.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, paint.text);
        SelectGuard select(dc, font_);
        RECT text = rect;
        OffsetRect(&text, kTextIndent, 0);
        DrawTextA(dc, entry->text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (ref.submenu)
            DrawArrow(dc, rect);
    }
    // Keeps the system from drawing its own check or arrow over the item.
    ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
}

bool CSkinMenu::HandleOwnerDraw(UINT msg, LPARAM lp, LRESULT& result) {
    if (msg == WM_MEASUREITEM) {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (item->CtlType != ODT_MENU || !item->itemData)
            return false;
        auto* ref = reinterpret_cast<ItemRef*>(item->itemData);
        ref->menu->Measure(*item);
    } else {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        if (item->CtlType != ODT_MENU || !item->itemData)
            return false;
        auto* ref = reinterpret_cast<ItemRef*>(item->itemData);
        ref->menu->Draw(*item, *ref);
    }
    result = TRUE;
    return true;
}

} // namespace mervik::ui
