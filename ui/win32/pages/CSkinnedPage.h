#pragma once
// A page of the main window: a skinned child whose presses drag the main
// window, with every control of its skin in place. What each control does
// belongs to the page itself. The page window comes first and its controls
// when asked for (see DeferredControls).
#include <functional>
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
    // The skin keys that got their control: skinned buttons and the page's
    // own controls alike.
    int ControlCount() const { return placed_; }
    // The skinned button at BUTTONPOS key `key`, null for a key the page
    // placed another control at or the skin leaves out.
    CSkinButton* ButtonAt(int key) const;
    // Shows `settings`; a page without its controls yet shows nothing.
    void Refresh(const SharedSettingsBlock& settings);

protected:
    // Each page sets its controls from the settings.
    virtual void ShowSettings(const SharedSettingsBlock&) {}
    // The page chooses the control of each key: true when it made its own
    // control at `place` (a list, an edit, a slider...), false for a skinned
    // button. Called for every key while the controls are made.
    virtual bool PlaceOwnControl(int /*key*/, const ButtonPos& /*place*/,
                                 const SharedSkinImages& /*pictures*/) {
        return false;
    }
    // After every control exists: where the page tells each what it does.
    virtual void OnControlsMade() {}
    // What a click on the skinned button at `key` does; nothing for a key
    // without one.
    void SetClick(int key, std::function<void()> action);

    LRESULT OnCreate() override;
    void PlaceControls(const SkinFile& skin, const SharedSkinImages& pictures) override;
    void DrawOverBackground(HDC dc) override { deferred_.DrawPressed(dc); }
    HWND DragTarget() const override { return GetParent(Hwnd()); }

private:
    const char* name_;
    int controlCount_;
    DeferredControls deferred_;
    std::vector<std::unique_ptr<CSkinButton>> controls_;
    std::vector<int> keys_; // the key of each of controls_
    int placed_ = 0;
};

} // namespace mervik::ui
