#include "ui/win32/controls/CInPlaceEditor.h"

#include <optional>

#include "win32/AnsiText.h"

namespace mervik::ui {

bool CInPlaceEditor::Create(HWND parent, const RECT& rect, HFONT font, const char* text, int limit,
                            bool digitsOnly, Finished finished) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL |
                        (digitsOnly ? static_cast<DWORD>(ES_NUMBER) : 0);
    // A wide window: what the user types arrives whole, to be checked here.
    HWND hwnd = CreateWindowExW(0, L"EDIT", win::FromAnsi(text).c_str(), style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
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
    const int length = GetWindowTextLengthW(Hwnd());
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    wide.resize(static_cast<size_t>(GetWindowTextW(Hwnd(), wide.data(), length + 1)));
    const std::optional<std::string> text = win::ExactAnsi(wide);
    notInCodePage_ = commit && !text;
    ShowWindow(Hwnd(), SW_HIDE);
    finished_(commit && text, text.value_or(std::string()));
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
