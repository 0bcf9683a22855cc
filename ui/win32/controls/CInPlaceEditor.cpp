#include "ui/win32/controls/CInPlaceEditor.h"

namespace mervik::ui {

bool CInPlaceEditor::Create(HWND parent, const RECT& rect, HFONT font, const char* text, int limit,
                            bool digitsOnly, Finished finished) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL |
                        (digitsOnly ? static_cast<DWORD>(ES_NUMBER) : 0);
    HWND hwnd = CreateWindowExA(0, "EDIT", text, style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, nullptr, GetModuleHandleA(nullptr),
                                nullptr);
    if (!Attach(hwnd))
        return false;
    finished_ = std::move(finished);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (limit > 0)
        SendMessageA(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    SendMessageA(hwnd, EM_SETSEL, 0, -1);
    SetFocus(hwnd);
    return true;
}

void CInPlaceEditor::Finish(bool commit) {
    if (done_)
        return;
    done_ = true;
    int length = GetWindowTextLengthA(Hwnd());
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(Hwnd(), text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    ShowWindow(Hwnd(), SW_HIDE);
    finished_(commit, text);
}

LRESULT CInPlaceEditor::OnMessage(UINT msg, WPARAM wp, LPARAM) {
    // Enter and Escape belong to the editor, not to the dialog around it.
    if (msg == WM_GETDLGCODE)
        return Default() | DLGC_WANTALLKEYS;
    if (msg == WM_CHAR && (wp == VK_RETURN || wp == VK_ESCAPE))
        return 0; // no beep
    return Default();
}

LRESULT CInPlaceEditor::OnKeyDown(UINT key) {
    if (key == VK_RETURN || key == VK_ESCAPE) {
        Finish(key == VK_RETURN);
        return 0;
    }
    return Default();
}

LRESULT CInPlaceEditor::OnKillFocus(HWND) {
    LRESULT result = Default();
    Finish(true);
    return result;
}

} // namespace mervik::ui
