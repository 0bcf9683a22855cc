#pragma once
// The skinned push or toggle button; optionally a white caption over its face.
#include "ui/win32/controls/COwnerDrawButton.h"

namespace mervik::ui {

class CSkinButton : public COwnerDrawButton {
public:
    // The caption is drawn over the face and is the button's window text too,
    // for screen readers.
    void SetCaption(const std::string& caption);
    void SetCaptionCentred(bool centred) { centred_ = centred; }

protected:
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    void DrawCaption(HDC dc, const RECT& rect, bool disabled) const;
    std::string caption_;
    bool centred_ = false;
};

} // namespace mervik::ui
