#include "ui/win32/controls/CSkinListBox.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "settings/win32/WidePath.h"
#include "ui/core/DisplayScale.h"
#include "ui/win32/controls/CInPlaceEditor.h"
#include "ui/win32/controls/SkinTextFont.h"
#include "ui/win32/keyboard/KeyboardCues.h"

namespace mervik::ui {
namespace {

constexpr int kTextX = 5;
constexpr int kItemHeight = 16; // room for a row's 12-pixel icon
constexpr int kNewNameLimit = 15;

std::wstring WideItemText(HWND list, int index) {
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return {};
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::string ItemText(HWND list, int index) {
    return win::Utf8(WideItemText(list, index));
}

} // namespace

CSkinListBox::CSkinListBox() = default;
CSkinListBox::~CSkinListBox() {
    editor_.reset();
}

bool CSkinListBox::Create(HWND parent, const RECT& rect, int scalePercent) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED |
                  LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    HWND hwnd = CreateWindowExW(0, L"LISTBOX", L"", style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!Attach(hwnd))
        return false;
    scalePercent_ = scalePercent;
    const int height = ScaleFontHeight(12, scalePercent);
    font_.reset(CreateSkinFont(height, 0, FW_LIGHT, L"Eurostile"));
    wideFont_.reset(CreateSkinFont(height, 0, FW_LIGHT, L"Eurostile", true));
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SendMessageA(hwnd, LB_SETITEMHEIGHT, 0, ScaleLength(kItemHeight, scalePercent));
    return true;
}

int CSkinListBox::AddItem(const std::string& text, LPARAM data) {
    return InsertItem(-1, text, data);
}

int CSkinListBox::InsertItem(int index, const std::string& text, LPARAM data) {
    const std::wstring wide = win::Widen(text);
    auto at = static_cast<int>(SendMessageW(Hwnd(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(wide.c_str())));
    if (at >= 0)
        SendMessageA(Hwnd(), LB_SETITEMDATA, static_cast<WPARAM>(at), data);
    return at;
}

void CSkinListBox::SetBackground(COLORREF background) {
    background_ = background;
    backgroundBrush_.reset(CreateSolidBrush(background));
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

HBRUSH CSkinListBox::OnCtlColor(HDC dc) {
    if (!backgroundBrush_)
        return nullptr;
    SetBkColor(dc, background_);
    return backgroundBrush_.get();
}

void CSkinListBox::RemoveAll() {
    SendMessageA(Hwnd(), LB_RESETCONTENT, 0, 0);
    hot_ = -1;
}

int CSkinListBox::Count() const {
    return static_cast<int>(SendMessageA(Hwnd(), LB_GETCOUNT, 0, 0));
}

int CSkinListBox::Selection() const {
    return static_cast<int>(SendMessageA(Hwnd(), LB_GETCURSEL, 0, 0));
}

void CSkinListBox::Select(int index) {
    SendMessageA(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

LPARAM CSkinListBox::ItemData(int index) const {
    return static_cast<LPARAM>(SendMessageA(Hwnd(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

std::string CSkinListBox::Text(int index) const {
    return ItemText(Hwnd(), index);
}

void CSkinListBox::SetText(int index, const std::string& text) {
    if (index < 0 || index >= Count())
        return;
    const LPARAM data = ItemData(index);
    const bool selected = Selection() == index;
    SendMessageA(Hwnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    InsertItem(index, text, data);
    if (selected)
        Select(index);
}

void CSkinListBox::SetColours(COLORREF selection, COLORREF text) {
    selection_ = selection;
    text_ = text;
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

int CSkinListBox::ItemAt(POINT pt) const {
    LRESULT hit = SendMessageA(Hwnd(), LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    if (HIWORD(hit))
        return -1; // below the last item
    return LOWORD(hit);
}

void CSkinListBox::RepaintItem(int index) const {
    RECT rect;
    if (index >= 0 && SendMessageA(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(&rect)) != LB_ERR)
        InvalidateRect(Hwnd(), &rect, FALSE);
}

void CSkinListBox::DrawItemBitmap(HDC dc, const RECT& rect, LPARAM data) const {
    WORD resource = LOWORD(data);
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource));
    if (!bitmap)
        return;
    Bitmap owned(bitmap);
    SIZE size = BitmapSize(bitmap);
    MemoryDC memory(dc);
    SelectGuard select(memory.get(), bitmap);
    TransparentBlt(dc, rect.left + ScaleLength(kTextX, scalePercent_),
                   rect.top + ScaleLength(2, scalePercent_), size.cx, size.cy, memory.get(), 0, 0,
                   size.cx, size.cy, RGB(0, 0, 0));
}

void CSkinListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1))
        return;
    HDC dc = item.hDC;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    Brush fill(CreateSolidBrush(selected ? selection_ : background_));
    FillRect(dc, &item.rcItem, fill.get());
    RECT text = item.rcItem;
    text.left += ScaleLength(kTextX, scalePercent_);
    WORD resource = LOWORD(item.itemData);
    if (resource != 0 && resource != 1) {
        DrawItemBitmap(dc, item.rcItem, static_cast<LPARAM>(item.itemData));
        text.left += bitmapOffset_;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_BTNSHADOW) : text_);
    const std::wstring label = WideItemText(Hwnd(), static_cast<int>(item.itemID));
    SelectGuard select(dc, WantsChineseFace(win::Utf8(label)) ? wideFont_.get() : font_.get());
    DrawTextW(dc, label.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRing(dc, Hwnd(), item.rcItem, focus_);
}

AccessibleFacts CSkinListBox::Describe() const {
    AccessibleFacts facts;
    facts.role = AccessibleRole::List;
    facts.name = label_;
    const int selected = Selection();
    if (selected >= 0)
        facts.value = Text(selected);
    return facts;
}

AccessibleFacts CSkinListBox::DescribeItem(int index) const {
    AccessibleFacts facts;
    facts.role = AccessibleRole::ListItem;
    facts.name = Text(index);
    facts.checked = index == Selection();
    return facts;
}

RECT CSkinListBox::AccessibleItemPlace(int index) const {
    RECT place{};
    SendMessageA(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&place));
    MapWindowPoints(Hwnd(), nullptr, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void CSkinListBox::DoDefaultAction(int item) {
    if (item < 0 || item >= Count() || item == Selection())
        return;
    Select(item);
    if (onSelect)
        onSelect();
}

// F2 renames the selected item, as a double-click does; the context-menu key
// (or Shift+F10) opens what the right button opens.
LRESULT CSkinListBox::OnKeyDown(UINT key) {
    if (key == VK_F2) {
        const int index = Selection();
        if (renameEnabled_ && index >= 0 && !editor_)
            OpenEditor(index, EditPurpose::Rename);
        return 0;
    }
    return Default();
}

LRESULT CSkinListBox::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CONTEXTMENU) {
        POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (lp == -1)
            at = KeyboardMenuPoint();
        PostReport(onRightClick, at);
        return 0;
    }
    return CWindow::OnMessage(msg, wp, lp);
}

LRESULT CSkinListBox::OnMouseMove(UINT, POINT pt) {
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Hwnd(), 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    if (!editor_) {
        int index = ItemAt(pt);
        if (index != hot_) {
            RepaintItem(hot_);
            RepaintItem(index);
            hot_ = index;
        }
    }
    return Default();
}

LRESULT CSkinListBox::OnMouseLeave() {
    tracking_ = false;
    return Default();
}

void CSkinListBox::OpenEditor(int index, EditPurpose purpose, int limit, bool digitsOnly) {
    RECT rect;
    if (SendMessageA(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
        return;
    if (purpose == EditPurpose::NewItem) {
        rect.left += 1;
        rect.right -= 2;
    }
    // A name, new or changed, is held to the names' length.
    if (purpose != EditPurpose::Value)
        limit = kNewNameLimit;
    editing_ = index;
    purpose_ = purpose;
    editor_ = std::make_unique<CInPlaceEditor>();
    std::string text = ItemText(Hwnd(), index);
    // The list deletes the editor later (FinishEdit), not under its feet.
    if (!editor_->Create(
            Hwnd(), rect, font_.get(), text, limit, digitsOnly,
            [this](bool commit, const std::string& edited) { FinishEdit(commit, edited); }))
        editor_.reset();
}

void CSkinListBox::EditValue(int index, int limit, bool digitsOnly) {
    if (!editor_ && index >= 0 && index < Count())
        OpenEditor(index, EditPurpose::Value, limit, digitsOnly);
}

void CSkinListBox::BeginRenameAtPointer() {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(Hwnd(), &pt);
    int index = ItemAt(pt);
    if (index >= 0 && !editor_)
        OpenEditor(index, EditPurpose::Rename);
}

void CSkinListBox::AddNewItem() {
    if (editor_)
        return;
    int index = AddItem("", 0);
    if (index < 0)
        return;
    // The editor opens over the item, which must be in view.
    ScrollIntoView(index);
    OpenEditor(index, EditPurpose::NewItem);
}

void CSkinListBox::ScrollIntoView(int index) {
    if (index < 0 || index >= Count())
        return;
    RECT client;
    GetClientRect(Hwnd(), &client);
    const auto itemHeight = static_cast<int>(SendMessageA(Hwnd(), LB_GETITEMHEIGHT, 0, 0));
    if (itemHeight <= 0)
        return;
    const int visible = std::max(1, static_cast<int>(client.bottom - client.top) / itemHeight);
    const auto top = static_cast<int>(SendMessageA(Hwnd(), LB_GETTOPINDEX, 0, 0));
    if (index < top)
        SendMessageA(Hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    else if (index >= top + visible)
        SendMessageA(Hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(index - visible + 1), 0);
}

void CSkinListBox::CommitEdit() {
    if (!editor_)
        return;
    reportAtOnce_ = true;
    editor_->Commit();
    reportAtOnce_ = false;
}

LRESULT CSkinListBox::OnLButtonDblClk(UINT, POINT pt) {
    LRESULT result = Default();
    int index = ItemAt(pt);
    if (renameEnabled_ && index >= 0 && !editor_)
        OpenEditor(index, EditPurpose::Rename);
    return result;
}

LRESULT CSkinListBox::OnRButtonDown(UINT, POINT pt) {
    // The menu acts on the item the user pointed at.
    if (const int index = ItemAt(pt); onRightClick && index >= 0 && !editor_)
        Select(index);
    POINT at = pt;
    ClientToScreen(Hwnd(), &at);
    PostReport(onRightClick, at);
    return Default();
}

// Where a menu opened by a key appears: under the selected item when it is
// in view, else at the list's top left corner.
POINT CSkinListBox::KeyboardMenuPoint() const {
    RECT rect{};
    GetClientRect(Hwnd(), &rect);
    POINT at{rect.left, rect.top};
    RECT item{};
    const int index = Selection();
    if (index >= 0 &&
        SendMessageA(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item)) != LB_ERR &&
        item.bottom > rect.top && item.bottom <= rect.bottom)
        at = POINT{item.left, item.bottom};
    ClientToScreen(Hwnd(), &at);
    return at;
}

bool CSkinListBox::OnReflectedCommand(WORD code) {
    if (code != LBN_SELCHANGE)
        return false;
    if (onSelect)
        onSelect();
    return true;
}

void CSkinListBox::FinishEdit(bool commit, const std::string& text) {
    int index = editing_;
    editing_ = -1;
    auto data =
        static_cast<LPARAM>(SendMessageA(Hwnd(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    const bool selected = Selection() == index;
    if (commit && !text.empty()) {
        SendMessageA(Hwnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        InsertItem(index, text, data);
        if (selected)
            Select(index);
        const std::function<void(int)>& report = purpose_ == EditPurpose::Rename    ? onItemRenamed
                                                 : purpose_ == EditPurpose::NewItem ? onItemNamed
                                                                                    : onValueEdited;
        if (!reportAtOnce_)
            PostReport(report, index);
        else if (report)
            report(index);
    } else if (purpose_ == EditPurpose::NewItem) {
        SendMessageA(Hwnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    }
    if (editor_ && editor_->NotInCodePage())
        PostReport(onTextRefused);
    purpose_ = EditPurpose::Rename;
    finishedEditor_ = std::move(editor_);
    Post([this] { finishedEditor_.reset(); });
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

} // namespace mervik::ui
