#pragma once
// Option's warnings in the system's message box, titled with the window's
// readable UTF-16 title from lan.dll. Never the old caption's bytes: they
// read only in a Chinese code page, and peers find Option by them
// (FindWindowA), which must meet the peer window alone, never a warning.
#include <windows.h>

#include <string>

namespace mervik::ui {

// Text 1400 of lan.dll, or the product's name without the library.
std::wstring ReadableTitle();

// A box over `owner` (may be null) with one OK button and `icon`.
void ShowWarning(HWND owner, const std::wstring& text, UINT icon);

// A question with OK and Cancel; true when the answer is OK.
bool AskOkCancel(HWND owner, const std::wstring& question);

} // namespace mervik::ui
