#pragma once
// A page of the main window: a skinned child whose presses drag the main
// window, with every control of its skin in place. What each control does
// belongs to the page itself.
//
// The page window and its controls are made in two steps. The page's Normal
// picture already shows every control in its normal state, so the main window
// can be on the screen before a hundred child windows exist; until they do,
// the page draws the faces of the controls that start pressed itself.
#include <memory>
#include <vector>

#include "settings/SharedSettingsBlock.h"
#include "ui/controls/CSkinButton.h"
#include "ui/skin/ButtonPos.h"
#include "ui/skin/CSkinnedWindow.h"

namespace mervik::ui {

class CSkinnedPage : public CSkinnedWindow {
public:
    // `name` is the page window's text: invisible, but it tells the pages apart
    // from outside (tests, accessibility tools).
    CSkinnedPage(std::string skinFile, const char* name, int controlCount)
        : CSkinnedWindow(std::move(skinFile)), name_(name), controlCount_(controlCount) {}

    // The page window with its picture and shape, without its controls.
    bool Create(HWND parent);
    // The controls, then `settings` shown on them.
    void CreateControls(const SharedSettingsBlock& settings);
    bool HasControls() const { return controlsMade_; }
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    // Shows `settings`; a page without its controls takes them when they are made.
    void Refresh(const SharedSettingsBlock& settings);

protected:
    // What the page's own issues fill in: its controls set from the settings.
    virtual void ShowSettings(const SharedSettingsBlock&) {}

    LRESULT OnCreate() override;
    void PlaceControls(const SkinFile& skin, const SharedSkinImages& pictures) override;
    void DrawOverBackground(HDC dc) override;
    HWND DragTarget() const override { return GetParent(Hwnd()); }

private:
    const char* name_;
    int controlCount_;
    // Kept from the skin until the controls are made.
    std::vector<ButtonPos> places_;
    SharedSkinImages pictures_;
    bool controlsMade_ = false;
    std::vector<std::unique_ptr<CSkinButton>> controls_;
};

} // namespace mervik::ui
