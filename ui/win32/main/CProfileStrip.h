#pragma once
// The main window's profile strip: five buttons named after the profiles,
// the current one pressed; a double-click renames a profile in place. Beside
// it, a button that ties the current profile to a program (showing that
// program's file name) and one that unties it. Every change goes to the
// working copy; Apply hands it to Monitor like any other edit.
#include <memory>

#include "settings/SharedSettingsBlock.h"
#include "ui/win32/controls/CInPlaceEditor.h"
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/controls/DeferredControls.h"
#include "win32/Gdi.h"

namespace mervik::ui {

class CProfileStrip {
public:
    // Posted to the main window when the name editor is done; the window
    // hands it to FinishRename.
    static constexpr UINT kMsgRenameDone = WM_APP + 2;

    enum class Command { NotOurs, Done, CurrentChanged };

    // Makes the controls whose places the skin gives, from key `firstKey` on:
    // five profile buttons (all five or none), then the link and clear
    // buttons. A skin without these keys gets no strip.
    void Create(HWND parent, const DeferredControls& places, int firstKey);
    bool Shown() const { return profiles_[0].Hwnd() != nullptr; }

    Command OnCommand(HWND control, WORD code, SharedSettingsBlock& working);
    void FinishRename(SharedSettingsBlock& working);
    // Names, the pressed button and the linked program from `working`.
    void Refresh(const SharedSettingsBlock& working);
    void Destroy();

private:
    void StartRename(int index, const SharedSettingsBlock& working);
    void LinkProgram(ProfileRecord& profile);

    HWND parent_ = nullptr;
    CSkinButton profiles_[kProfileCount];
    CSkinButton link_;
    CSkinButton unlink_;
    std::string linkTooltip_; // the skin's, while no program is linked
    std::unique_ptr<CInPlaceEditor> editor_;
    int renaming_ = -1;
    bool renameCommitted_ = false;
    std::string renamedTo_;
};

} // namespace mervik::ui
