#pragma once
// The skinned push or toggle button; optionally a white caption over its face.
#include "ui/win32/controls/COwnerDrawButton.h"

namespace mervik::ui {

class CSkinButton : public COwnerDrawButton {
public:
    // The caption is drawn over the face and is the button's window text too
    // (WM_GETTEXT), for screen readers.
    void SetCaption(const std::string& caption);
    void SetCaptionCentred(bool centred) { centred_ = centred; }
    // Keeps the caption clear of the face's right `pixels` (a glyph there),
    // ending a caption too long for the rest with an ellipsis.
    void SetCaptionRightInset(int pixels) { rightInset_ = pixels; }

protected:
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    std::string ShownCaption() const override { return caption_; }
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void DrawCaption(HDC dc, const RECT& rect, bool disabled) const;
    std::string caption_;
    bool centred_ = false;
    int rightInset_ = 0;
};

} // namespace mervik::ui
