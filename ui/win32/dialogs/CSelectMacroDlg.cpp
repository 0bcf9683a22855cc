#include "ui/win32/dialogs/CSelectMacroDlg.h"

#include "macros/MacroName.h"
#include "ui/win32/controls/CSkinMenu.h"
#include "ui/win32/controls/PlaceButton.h"

namespace mervik::ui {

namespace {
constexpr int kMenuWidth = 107;
} // namespace

CSelectMacroDlg::CSelectMacroDlg(const MacroList& list, SharedSettingsBlock& image,
                                 ProfileRecord& profile, int slot)
    : CSkinnedDialog("skin_select_macro.ini"), list_(list), profile_(profile), slot_(slot) {
    state_ = BeginSelectMacro(list, image, profile, slot, SelectMacroScratch());
}

void CSelectMacroDlg::PlaceDialogControls(const SkinFile& skin, const SharedSkinImages& pictures) {
    for (int i = 0; i < kButtonCount; ++i)
        PlaceSkinButton(buttons_[i], Hwnd(), skin, pictures, kFirstButtonKey + i);
    buttons_[kName].onClick = [this] { OpenMacroMenu(); };
    buttons_[kName].SetOpensMenu(true);
    for (int mode = 0; mode < 3; ++mode) {
        buttons_[kMode0 + mode].onClick = [this, mode] { ChooseRunMode(mode); };
        buttons_[kMode0 + mode].SetRole(AccessibleRole::OptionButton);
    }
}

std::vector<std::vector<HWND>> CSelectMacroDlg::ArrowGroups() const {
    return {std::vector<HWND>{buttons_[kMode0].Hwnd(), buttons_[kMode1].Hwnd(),
                              buttons_[kMode2].Hwnd()}};
}

void CSelectMacroDlg::OnInitDialog() {
    CentreOnOwner();
    buttons_[kName].SetCaption(ShownMacroName(SelectMacroScratch()));
    ShowRunMode();
}

void CSelectMacroDlg::ShowRunMode() {
    for (int mode = 0; mode < 3; ++mode)
        buttons_[kMode0 + mode].SetPressed(mode == state_.runMode);
}

void CSelectMacroDlg::OpenMacroMenu() {
    CSkinMenu menu(kMenuWidth, SkinScale());
    for (int i = 0; i < list_.Count(); ++i)
        menu.AppendItem(kFirstMacroCommand + i, TrimmedMacroName(*list_.RecordAt(i)));
    RECT below;
    GetWindowRect(buttons_[kName].Hwnd(), &below);
    const int command = menu.Track(Hwnd(), POINT{below.left, below.bottom});
    if (command >= kFirstMacroCommand &&
        ChooseMacro(list_, command - kFirstMacroCommand, state_, SelectMacroScratch()))
        buttons_[kName].SetCaption(TrimmedMacroName(*list_.RecordAt(state_.chosen)));
}

void CSelectMacroDlg::OnOk() {
    FinishSelectMacro(list_, state_, profile_, slot_);
}

void CSelectMacroDlg::ChooseRunMode(int mode) {
    state_.runMode = mode;
    ShowRunMode();
}

} // namespace mervik::ui
