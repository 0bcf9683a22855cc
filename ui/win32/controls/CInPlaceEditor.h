#pragma once
// An edit box opened over an item or a button to change its text in place:
// Enter or leaving commits, Escape cancels. The owner hears the outcome once
// and deletes the editor later, never from inside the call.
#include <functional>
#include <string>

#include "ui/win32/controls/CWindow.h"

namespace mervik::ui {

class CInPlaceEditor : public CWindow {
public:
    using Finished = std::function<void(bool commit, const std::string& text)>;

    // A child of `parent` at `rect` holding `text` selected, with the focus.
    bool Create(HWND parent, const RECT& rect, HFONT font, const char* text, int limit,
                bool digitsOnly, Finished finished);

protected:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT OnKeyDown(UINT key) override;
    LRESULT OnKillFocus(HWND) override;

private:
    void Finish(bool commit);
    Finished finished_;
    bool done_ = false;
};

} // namespace mervik::ui
