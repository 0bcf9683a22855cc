#include "ui/win32/controls/CSkinMenu.h"

#include <utility>

#include "settings/win32/WidePath.h"
#include "ui/core/DisplayScale.h"
#include "ui/win32/controls/ButtonTooltip.h"
#include "ui/win32/controls/SkinTextFont.h"
#include "ui/win32/main/ResourceIds.h"

namespace mervik::ui {
namespace {
constexpr int kArrowFromRight = 19;
constexpr int kArrowAbove = 9;
constexpr int kTextIndent = 2;
} // namespace

CSkinMenu::CSkinMenu(int width, int scalePercent) : menu_(CreatePopupMenu()) {
    layout_.scalePercent = scalePercent;
    layout_.width = ScaleLength(width, scalePercent);
    layout_.itemHeight = ScaleLength(layout_.itemHeight, scalePercent);
}

CSkinMenu::CSkinMenu(const MenuModel& model, int width, const TextLookup& text, int scalePercent)
    : CSkinMenu(width, scalePercent) {
    for (const MenuEntry& entry : model) {
        if (entry.submenu.empty())
            AppendItem(entry.command, text(entry.text));
        else
            AppendSubmenu(text(entry.text), CSkinMenu(entry.submenu, width, text, scalePercent));
    }
}

// The deque keeps its entries where they are, so the items' data stay valid;
// only the entries' way back to their menu moves.
CSkinMenu::CSkinMenu(CSkinMenu&& other) noexcept
    : menu_(std::move(other.menu_)), layout_(std::move(other.layout_)),
      refs_(std::move(other.refs_)), submenus_(std::move(other.submenus_)) {
    for (ItemRef& ref : refs_)
        ref.menu = this;
}

CSkinMenu::~CSkinMenu() = default;

bool CSkinMenu::AppendEntry(UINT flags, UINT_PTR id, int command, const std::string& text,
                            bool submenu, int marker) {
    if (!menu_)
        return false;
    const MenuItem& item = layout_.Append(command, text, marker);
    OwnerDrawnMenuItem* self = &refs_.emplace_back(this, item.number, submenu);
    auto data = reinterpret_cast<LPCSTR>(self);
    return AppendMenuA(menu_.get(), flags | MF_OWNERDRAW, id, data) != FALSE;
}

bool CSkinMenu::AppendItem(int command, const std::string& text, bool marked) {
    if (command == kMenuSeparatorCommand)
        return AppendEntry(MF_SEPARATOR, 0, command, text, false);
    return AppendEntry(MF_STRING, static_cast<UINT_PTR>(command), command, text, false,
                       marked ? 1 : 0);
}

bool CSkinMenu::AppendSubmenu(const std::string& text, CSkinMenu&& submenu) {
    if (!submenu.menu_)
        return false;
    auto& kept = submenus_.emplace_back(std::make_unique<CSkinMenu>(std::move(submenu)));
    const auto handle = reinterpret_cast<UINT_PTR>(kept->menu_.get());
    if (!AppendEntry(MF_POPUP, handle, 0, text, true))
        return false; // still its own: destroyed with the kept object
    kept->menu_.release();
    return true;
}

int CSkinMenu::Track(HWND owner, POINT screen, bool rightButton) const {
    ButtonTooltip::HideShownTips();
    const UINT button = rightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON;
    return static_cast<int>(TrackPopupMenu(menu_.get(),
                                           TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | button,
                                           screen.x, screen.y, 0, owner, nullptr));
}

bool CSkinMenu::TrackForCommand(HWND owner, POINT screen) const {
    ButtonTooltip::HideShownTips();
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
    Pen line(CreatePen(PS_SOLID, ScaleLength(1, layout_.scalePercent), layout_.colours.line));
    SelectGuard select(dc, line.get());
    int y = rect.top + (rect.bottom - rect.top) / 2;
    MoveToEx(dc, rect.left, y, nullptr);
    LineTo(dc, rect.right, y);
}

void CSkinMenu::DrawArrow(HDC dc, const RECT& rect) const {
    HICON arrow = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kArrowIconId));
    if (arrow)
        DrawIconEx(dc, rect.right - ScaleLength(kArrowFromRight, layout_.scalePercent),
                   rect.top - ScaleLength(kArrowAbove, layout_.scalePercent), arrow, 0, 0, 0,
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
        SelectGuard select(dc, SkinTextFont(layout_.scalePercent, entry->text));
        RECT text = rect;
        OffsetRect(&text, ScaleLength(kTextIndent, layout_.scalePercent), 0);
        DrawTextW(dc, win::Widen(entry->text).c_str(), -1, &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (ref.submenu)
            DrawArrow(dc, rect);
    }
    // Keeps the system from drawing its own check or arrow over the item.
    ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
}

} // namespace mervik::ui
