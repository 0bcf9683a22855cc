#pragma once
// The main window's profile strip: five buttons named after the profiles,
// the current one pressed; a double-click renames a profile in place. Beside
// it, a button that ties the current profile to a program (showing that
// program's file name) and one that unties it. Every change goes to the
// working copy; Apply hands it to Monitor like any other edit.
#include <functional>
#include <memory>
#include <vector>

#include "settings/SharedSettingsBlock.h"
#include "ui/win32/controls/CInPlaceEditor.h"
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/controls/DeferredControls.h"
#include "win32/Gdi.h"
#include "win32/Window.h"

namespace mervik::ui {

class CProfileStrip {
public:
    // Makes the controls whose places the skin gives, from key `firstKey` on,
    // as children of `parent`: five profile buttons (all five or none), then
    // the link and clear buttons. A skin without these keys gets no strip.
    // The buttons edit `working`.
    void Create(win::Window& parent, const DeferredControls& places, int firstKey,
                SharedSettingsBlock& working);
    bool Shown() const { return profiles_[0].Hwnd() != nullptr; }
    // The profile buttons, a group the arrow keys move along.
    std::vector<HWND> ProfileWindows() const;

    // Names, the pressed button and the linked program from `working`.
    void Refresh(const SharedSettingsBlock& working);
    void Destroy();
    // An open rename takes its text now, as leaving it does.
    void CommitRename();

    // Another profile was made the working copy's current one.
    std::function<void()> onProfileChosen;

private:
    void Choose(int index);
    void StartRename(int index);
    void FinishRename();
    void EditLink(bool link);
    void LinkProgram(ProfileRecord& profile);

    win::Window* parent_ = nullptr;
    SharedSettingsBlock* working_ = nullptr;
    CSkinButton profiles_[kProfileCount];
    CSkinButton link_;
    CSkinButton unlink_;
    std::string linkTooltip_; // the skin's, while no program is linked
    std::unique_ptr<CInPlaceEditor> editor_;
    int renaming_ = -1;
    bool renameCommitted_ = false;
    bool renameNotInCodePage_ = false;
    std::string renamedTo_;
};

} // namespace mervik::ui
