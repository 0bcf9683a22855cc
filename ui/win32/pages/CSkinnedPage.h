#pragma once
// A page of the main window: a skinned child whose presses drag the main
// window, with every control of its skin in place. What each control does
// belongs to the page itself. The page window comes first and its controls
// when asked for (see DeferredControls).
#include <memory>
#include <vector>

#include "settings/SharedSettingsBlock.h"
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/controls/DeferredControls.h"
#include "ui/win32/skin/CSkinnedWindow.h"

namespace mervik::ui {

class CSkinnedPage : public CSkinnedWindow {
public:
    // `name` is the page window's text: invisible, but it tells the pages apart
    // from outside (tests, accessibility tools).
    CSkinnedPage(std::string skinFile, const char* name, int controlCount)
        : CSkinnedWindow(std::move(skinFile)), name_(name), controlCount_(controlCount) {}

    // The page window with its picture and shape, without its controls.
    bool Create(HWND parent);
    void CreateControls();
    bool HasControls() const { return deferred_.Made(); }
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    // Shows `settings`; a page without its controls yet shows nothing.
    void Refresh(const SharedSettingsBlock& settings);

protected:
    // What the page's own issues fill in: its controls set from the settings.
    virtual void ShowSettings(const SharedSettingsBlock&) {}

    LRESULT OnCreate() override;
    void PlaceControls(const SkinFile& skin, const SharedSkinImages& pictures) override;
    void DrawOverBackground(HDC dc) override { deferred_.DrawPressed(dc); }
    HWND DragTarget() const override { return GetParent(Hwnd()); }

private:
    const char* name_;
    int controlCount_;
    DeferredControls deferred_;
    std::vector<std::unique_ptr<CSkinButton>> controls_;
};

} // namespace mervik::ui
