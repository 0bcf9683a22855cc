#include "ui/win32/controls/CBitmapEdit.h"

#include "ui/core/DisplayScale.h"
#include "ui/win32/controls/SkinTextFont.h"

namespace mervik::ui {

bool CBitmapEdit::Create(HWND parent, const RECT& rect) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL |
                        (centred_ ? ES_CENTER : 0) | (readOnly_ ? ES_READONLY : 0);
    HWND hwnd = CreateWindowExA(0, "EDIT", "", style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, nullptr, GetModuleHandleA(nullptr),
                                nullptr);
    if (!Attach(hwnd))
        return false;
    brush_.reset(CreateSolidBrush(background_));
    SetFontSize(fontHeight_, fontWidth_);
    if (limit_ > 0)
        SetLimit(limit_);
    return true;
}

AccessibleFacts CBitmapEdit::Describe() const {
    AccessibleFacts facts;
    facts.role = AccessibleRole::EditableText;
    facts.name = label_;
    facts.value = Text();
    facts.readOnly = readOnly_;
    return facts;
}

void CBitmapEdit::SetReadOnly(bool on) {
    readOnly_ = on;
    if (Hwnd())
        SendMessageA(Hwnd(), EM_SETREADONLY, on, 0);
}

void CBitmapEdit::SetColours(COLORREF text, COLORREF background) {
    text_ = text;
    background_ = background;
    brush_.reset(CreateSolidBrush(background_));
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CBitmapEdit::SetFontScale(int scalePercent) {
    SetFontSize(ScaleFontHeight(kFontHeight, scalePercent),
                ScaleFontHeight(kFontWidth, scalePercent));
}

void CBitmapEdit::SetFontSize(int height, int width) {
    fontHeight_ = height;
    fontWidth_ = width;
    if (!Hwnd())
        return;
    Font font(CreateSkinFont(height, width, FW_NORMAL));
    SendMessageA(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font); // the old one is deleted only after the edit let go of it
}

std::string CBitmapEdit::FilterDigits(const std::string& text, bool allowSign) {
    const std::string_view keep = allowSign ? "0123456789-+" : "0123456789";
    std::string kept;
    for (char c : text)
        if (keep.find(c) != std::string_view::npos)
            kept += c;
    return kept;
}

HBRUSH CBitmapEdit::OnCtlColor(HDC dc) {
    SetTextColor(dc, text_);
    SetBkColor(dc, background_);
    return brush_.get();
}

void CBitmapEdit::SetLimit(int characters) {
    limit_ = characters;
    if (Hwnd())
        SendMessageA(Hwnd(), EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

std::string CBitmapEdit::Text() const {
    int length = GetWindowTextLengthA(Hwnd());
    std::string text(static_cast<size_t>(length) + 1, '\0');
    length = GetWindowTextA(Hwnd(), text.data(), length + 1);
    text.resize(static_cast<size_t>(length < 0 ? 0 : length));
    return text;
}

void CBitmapEdit::SetText(const std::string& text) {
    SetWindowTextA(Hwnd(), text.c_str());
}

void CBitmapEdit::OnTextChanged() {
    if (digitsOnly_) {
        const std::string text = Text();
        std::string kept = FilterDigits(text, allowSign_);
        if (limit_ > 0 && kept.size() > static_cast<size_t>(limit_))
            kept.resize(static_cast<size_t>(limit_));
        if (kept != text)
            SetWindowTextA(Hwnd(), kept.c_str());
    }
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    PostReport(onChange);
}

// Every change of the text, whatever made it, ends in the edit's own change
// notification; taking changes from it leaves none unreported.
bool CBitmapEdit::OnReflectedCommand(WORD code) {
    if (code == EN_SETFOCUS || code == EN_KILLFOCUS) {
        if (onFocusChange)
            onFocusChange();
        return true;
    }
    if (code != EN_CHANGE)
        return false;
    // The filter's own SetWindowText comes back here.
    if (!filtering_) {
        filtering_ = true;
        OnTextChanged();
        filtering_ = false;
    }
    return true;
}

LRESULT CBitmapEdit::OnMessage(UINT msg, WPARAM wp, LPARAM) {
    if (msg == WM_CHAR && digitsOnly_ && !AcceptsChar(static_cast<char>(wp)))
        return 0;
    return Default();
}

LRESULT CBitmapEdit::OnKillFocus(HWND) {
    LRESULT result = Default();
    PostReport(onChange);
    return result;
}

bool CBitmapEdit::AcceptsKey(UINT key) const {
    if ((key >= '0' && key <= '9') || (key >= VK_NUMPAD0 && key <= VK_NUMPAD9))
        return true;
    switch (key) {
    case VK_BACK:
    case VK_RETURN:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_DELETE:
    case VK_INSERT: // Shift+Insert pastes, Ctrl+Insert copies
    case VK_OEM_PLUS:
    case VK_OEM_MINUS:
    case VK_SHIFT:
    case VK_CONTROL:
        return true;
    default:
        return false;
    }
}

bool CBitmapEdit::AcceptsChar(char c) const {
    if (static_cast<unsigned char>(c) < 0x20)
        return true; // Backspace, Enter and the Ctrl shortcuts
    return !FilterDigits(std::string(1, c), allowSign_).empty() || c == '=';
}

LRESULT CBitmapEdit::OnKeyDown(UINT key) {
    if (onStep && (key == VK_UP || key == VK_DOWN)) {
        onStep(key == VK_UP ? 1 : -1);
        return 0;
    }
    if (digitsOnly_ && !AcceptsKey(key))
        return 0;
    return Default();
}

LRESULT CBitmapEdit::OnKeyUp(UINT key) {
    if (key == VK_RETURN)
        PostReport(onEnter);
    return Default();
}

LRESULT CBitmapEdit::OnMouseMove(UINT, POINT) {
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, Hwnd(), 1};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    return Default();
}

LRESULT CBitmapEdit::OnMouseLeave() {
    tracking_ = false;
    return Default();
}

} // namespace mervik::ui
