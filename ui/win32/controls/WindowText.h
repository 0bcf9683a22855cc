#pragma once
// The text of a window of ours that keeps it outside the window (it changes
// too often to store): WM_GETTEXTLENGTH and WM_GETTEXT answered from a UTF-8
// string. Our windows are Unicode, so the system converts for ANSI callers.
#include <windows.h>

#include <string>

namespace mervik::ui {

// True when `msg` asks for the window's text; `result` then holds the answer.
bool AnswerTextMessage(UINT msg, WPARAM wp, LPARAM lp, const std::string& text, LRESULT& result);

} // namespace mervik::ui
