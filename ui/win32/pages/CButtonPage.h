#pragma once
// Page 1: a function button for every slot of the profile shown (the first
// mode's sixteen or the second's), the button mode, report rate, DPI levels
// and lighting with its eight colours. Everything edits the main window's
// working copy; Apply takes it to Monitor.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "macros/MacroList.h"
#include "ui/core/MenuModel.h"
#include "ui/core/SkinControls.h"
#include "ui/core/TextLookup.h"
#include "ui/win32/controls/CColorButton.h"
#include "ui/win32/keyboard/DialogKeyboard.h"
#include "ui/win32/pages/CSkinnedPage.h"

namespace mervik::ui {

// What the page reaches outside itself: the main window's working copy, its
// macro list and the language library's texts.
struct ButtonPageHost {
    SharedSettingsBlock* working = nullptr;
    MacroList* macros = nullptr;
    TextLookup text;
};

class CButtonPage : public CSkinnedPage, public ArrowGroupOwner {
public:
    CButtonPage() : CSkinnedPage("skin_button_page.ini", "page1", skin_controls::kButtonPage) {}

    // Before the controls are made.
    void Bind(ButtonPageHost host) { host_ = std::move(host); }

    // The two modes, the four rates, the DPI levels' switches, selectors and
    // values, the eight colours and their switches.
    std::vector<std::vector<HWND>> ArrowGroups() const override;

protected:
    void ShowSettings(const SharedSettingsBlock& settings) override;
    bool PlaceOwnControl(int key, const ButtonPos& place,
                         const SharedSkinImages& pictures) override;
    void OnControlsMade() override;
    LRESULT OnMenuCommand(WORD command) override;

private:
    std::string Text(unsigned id) const;
    ProfileRecord* Profile() const;
    void ShowProfile(const ProfileRecord& profile);
    void ShowCaptions(const ProfileRecord& profile);
    void ShowLightingCaptions(const ProfileRecord& profile);
    void ShowMode(const ProfileRecord& profile);
    void ShowRate(const ProfileRecord& profile);
    void ShowColours(const ProfileRecord& profile);
    void ShowDpiLevels(const ProfileRecord& profile);
    void ShowColourSwitches(const ProfileRecord& profile);
    void ShowColoursEnabled(const ProfileRecord& profile);
    void ShowChanges();

    bool MenuMayOpen() const;
    void MenuOpens();
    void MenuClosed(CSkinButton& button);
    void OpenFunctionMenu(int slot);
    void ChooseFunctionItem(int item);
    void ResetAssignments();
    // A value menu under `button`; its choice comes back as a command.
    void OpenMenu(CSkinButton& button, const MenuModel& items, int width, int xOffset);
    void PickColour(int index);

    // What a click on the button at `key` does with the profile shown;
    // nothing while there is none.
    void SetProfileClick(int key, std::function<void(ProfileRecord&, CSkinButton&)> action);
    // A click that edits the profile shown (told whether the button is now
    // pressed), which the page then shows.
    void SetProfileEdit(int key, std::function<void(ProfileRecord&, bool pressed)> edit);

    ButtonPageHost host_;
    CColorButton colours_[kColorCount];
    int editedSlot_ = -1;  // whose function menu is open, or was last
    int valueLevel_ = -1;  // the DPI level whose value menu was last open
    int menuProfile_ = -1; // the profile shown when the last menu opened
    DWORD menuClosedAt_ = 0;
    bool anyMenuClosed_ = false;
};

} // namespace mervik::ui
