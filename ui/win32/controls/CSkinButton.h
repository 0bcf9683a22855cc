#pragma once
// The skinned push or toggle button; optionally a white caption over its face.
#include "ui/win32/controls/COwnerDrawButton.h"

namespace mervik::ui {

class CSkinButton : public COwnerDrawButton {
public:
    void SetCaption(const std::string& caption);

protected:
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    void DrawCaption(HDC dc, const RECT& rect) const;
    std::string caption_;
};

} // namespace mervik::ui
