#pragma once
// A page of the main window: a skinned child whose presses drag the main
// window, with every control of its skin in place. What each control does
// belongs to the page itself.
#include <memory>
#include <vector>

#include "settings/SharedSettingsBlock.h"
#include "ui/controls/CSkinButton.h"
#include "ui/skin/CSkinnedWindow.h"

namespace mervik::ui {

class CSkinnedPage : public CSkinnedWindow {
public:
    // `name` is the page window's text: invisible, but it tells the pages apart
    // from outside (tests, accessibility tools).
    CSkinnedPage(std::string skinFile, const char* name, int controlCount)
        : CSkinnedWindow(std::move(skinFile)), name_(name), controlCount_(controlCount) {}

    bool Create(HWND parent);
    // Shows the settings of `image`; the pages' own issues fill this in.
    virtual void Refresh(const SharedSettingsBlock&) {}
    int ControlCount() const { return static_cast<int>(controls_.size()); }

protected:
    LRESULT OnCreate() override;
    void PlaceControls(const SkinFile& skin, const SharedSkinImages& pictures) override;
    HWND DragTarget() const override { return GetParent(Hwnd()); }

private:
    const char* name_;
    int controlCount_;
    std::vector<std::unique_ptr<CSkinButton>> controls_;
};

} // namespace mervik::ui
