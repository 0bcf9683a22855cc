#pragma once
// An edit box opened over an item or a button to change its text in place:
// Enter or leaving commits, Escape cancels. The box holds wide text; a text
// with a character the system's code page lacks is not committed (the
// records hold code-page bytes, where it would become a "?"). The owner hears the outcome once
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
    // Commits now, as leaving the editor does: the owner acts on a command
    // that takes no focus (a skinned button) only after the text is taken.
    void Commit() { Finish(true); }
    // The outcome was a cancel because of a character without a code-page form.
    bool NotInCodePage() const { return notInCodePage_; }

protected:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT OnKeyDown(UINT key) override;
    LRESULT OnKillFocus(HWND) override;

private:
    void Finish(bool commit);
    Finished finished_;
    bool done_ = false;
    bool notInCodePage_ = false;
};

} // namespace mervik::ui
