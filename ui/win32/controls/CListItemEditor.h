#pragma once
// The edit box a CSkinListBox opens over an item: Enter or leaving commits,
// Escape cancels.
#include "ui/win32/controls/Window.h"

namespace mervik::ui {

class CSkinListBox;

class CListItemEditor : public CWindow {
public:
    bool Create(CSkinListBox& list, const RECT& rect, HFONT font, const char* text, int limit,
                bool digitsOnly = false);

protected:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT OnKeyDown(UINT key) override;
    LRESULT OnKillFocus(HWND) override;

private:
    void Finish(bool commit);
    CSkinListBox* list_ = nullptr;
    bool finished_ = false;
};

} // namespace mervik::ui
