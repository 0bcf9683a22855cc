#include "ui/win32/controls/CListItemEditor.h"

#include <string>

#include "ui/win32/controls/CSkinListBox.h"

namespace mervik::ui {

bool CListItemEditor::Create(CSkinListBox& list, const RECT& rect, HFONT font, const char* text,
                             int limit, bool digitsOnly) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL |
                        (digitsOnly ? static_cast<DWORD>(ES_NUMBER) : 0);
    HWND hwnd = CreateWindowExA(0, "EDIT", text, style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, list.Hwnd(), nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!Attach(hwnd))
        return false;
    list_ = &list;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (limit > 0)
        SendMessageA(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    SendMessageA(hwnd, EM_SETSEL, 0, -1);
    SetFocus(hwnd);
    return true;
}

void CListItemEditor::Finish(bool commit) {
    if (finished_)
        return;
    finished_ = true;
    int length = GetWindowTextLengthA(Hwnd());
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(Hwnd(), text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    ShowWindow(Hwnd(), SW_HIDE);
    list_->FinishEdit(commit, text); // the list deletes this editor later, not under its feet
}

LRESULT CListItemEditor::OnMessage(UINT msg, WPARAM wp, LPARAM) {
    // Enter and Escape belong to the editor, not to the dialog around it.
    if (msg == WM_GETDLGCODE)
        return Default() | DLGC_WANTALLKEYS;
    if (msg == WM_CHAR && (wp == VK_RETURN || wp == VK_ESCAPE))
        return 0; // no beep
    return Default();
}

LRESULT CListItemEditor::OnKeyDown(UINT key) {
    if (key == VK_RETURN || key == VK_ESCAPE) {
        Finish(key == VK_RETURN);
        return 0;
    }
    return Default();
}

LRESULT CListItemEditor::OnKillFocus(HWND) {
    LRESULT result = Default();
    Finish(true);
    return result;
}

} // namespace mervik::ui
