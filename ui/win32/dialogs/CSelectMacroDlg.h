#pragma once
// The select-macro dialog: which macro a button plays and how (three run
// modes). It edits one slot of a profile; OK stores the choice, Cancel and
// Close change nothing. The arrows move among the run modes; Space, Enter, F4
// or Alt+Down on the name open the macro menu.
#include "macros/MacroList.h"
#include "macros/SelectMacroChoice.h"
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/keyboard/DialogKeyboard.h"
#include "ui/win32/skin/CSkinnedDialog.h"

namespace mervik::ui {

class CSelectMacroDlg : public CSkinnedDialog, public ArrowGroupOwner {
public:
    static constexpr int kFirstMacroCommand = 1200;

    // Synchronises the buttons' macro copies and starts from `slot` of `profile`.
    CSelectMacroDlg(const MacroList& list, SharedSettingsBlock& image, ProfileRecord& profile,
                    int slot);

    const SelectMacroState& State() const { return state_; }
    std::vector<std::vector<HWND>> ArrowGroups() const override;

protected:
    void PlaceDialogControls(const SkinFile& skin, const SharedSkinImages& pictures) override;
    void OnInitDialog() override;
    void OnOk() override;

private:
    // Their skin keys follow OK, Cancel and close.
    enum { kName, kMode0, kMode1, kMode2, kButtonCount };
    static constexpr int kFirstButtonKey = 4;
    void ShowRunMode();
    void ChooseRunMode(int mode);
    void OpenMacroMenu();

    const MacroList& list_;
    ProfileRecord& profile_;
    int slot_;
    SelectMacroState state_;
    CSkinButton buttons_[kButtonCount];
};

} // namespace mervik::ui
