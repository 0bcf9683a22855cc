#include "ui/win32/pages/CButtonPage.h"

#include <algorithm>
#include <vector>

#include "settings/FunctionCodes.h"
#include "settings/ProfileDefaults.h"
#include "ui/core/ButtonPageKeys.h"
#include "ui/core/DpiLevelRules.h"
#include "ui/core/FunctionCaption.h"
#include "ui/core/FunctionChoiceRules.h"
#include "ui/core/FunctionMenu.h"
#include "ui/core/LightingRules.h"
#include "ui/win32/controls/CSkinMenu.h"
#include "ui/win32/controls/PlaceButton.h"
#include "ui/win32/dialogs/CSelectMacroDlg.h"
#include "ui/win32/dialogs/CWarnDlg.h"
#include "ui/win32/pages/ButtonPageDialogs.h"

namespace mervik::ui {

using namespace page1;

namespace {

constexpr int kFunctionMenuWidth = 142;
constexpr DWORD kReopenGuardMs = 200;

// Where a menu opens: under `button`, `xOffset` pixels in from its left edge.
POINT BelowButton(HWND button, int xOffset) {
    RECT rect;
    GetWindowRect(button, &rect);
    return POINT{rect.left + xOffset, rect.bottom};
}

void ShowEnabled(CSkinButton* button, bool enabled) {
    if (button && button->Hwnd() && (IsWindowEnabled(button->Hwnd()) != FALSE) != enabled)
        EnableWindow(button->Hwnd(), enabled);
}

} // namespace

// ---- controls ----

bool CButtonPage::PlaceOwnControl(int key, const ButtonPos& place,
                                  const SharedSkinImages& pictures) {
    const int colour = key - kFirstColourKey;
    if (colour < 0 || colour >= kColorCount)
        return false;
    if (!place.rect.IsEmpty())
        PlaceSkinButton(colours_[colour], Hwnd(), place, pictures);
    colours_[colour].onClick = [this, colour] { PickColour(colour); };
    return true;
}

std::vector<std::vector<HWND>> CButtonPage::ArrowGroups() const {
    auto handles = [this](auto keys) {
        std::vector<HWND> group;
        for (int key : keys)
            if (CSkinButton* button = ButtonAt(key))
                group.push_back(button->Hwnd());
        return group;
    };
    std::vector<int> colourSwitchKeys;
    std::vector<HWND> colours;
    for (int i = 0; i < kColorCount; ++i) {
        colourSwitchKeys.push_back(kFirstColourSwitchKey + i);
        if (colours_[i].Hwnd())
            colours.push_back(colours_[i].Hwnd());
    }
    return {handles(kModeKeys),          handles(kRateKeys),       handles(kLevelSwitchKeys),
            handles(kLevelSelectorKeys), handles(kLevelValueKeys), colours,
            handles(colourSwitchKeys)};
}

void CButtonPage::OnControlsMade() {
    // Rows of choices, one of each pressed, read as option buttons.
    for (auto keys : {std::vector<int>(kModeKeys.begin(), kModeKeys.end()),
                      std::vector<int>(kRateKeys.begin(), kRateKeys.end()),
                      std::vector<int>(kLevelSelectorKeys.begin(), kLevelSelectorKeys.end())})
        for (int key : keys)
            if (CSkinButton* choice = ButtonAt(key))
                choice->SetRole(AccessibleRole::OptionButton);
    for (int i = 0; i < kDpiStageCount; ++i) {
        if (CSkinButton* level = ButtonAt(kLevelSwitchKeys[i])) {
            level->SetToggle(true);
            level->ShowDisabledAs(Face::Down);
        }
        if (CSkinButton* value = ButtonAt(kLevelValueKeys[i])) {
            value->ShowDisabledAs(Face::Normal);
            value->SetPressed(false);
            value->SetOpensMenu(true);
        }
    }
    for (int i = 0; i < kColorCount; ++i)
        if (CSkinButton* colourSwitch = ButtonAt(kFirstColourSwitchKey + i))
            colourSwitch->SetToggle(true);

    for (int key : {kLightModeKey, kLightLevelKey, kLightEffectKey})
        if (CSkinButton* box = ButtonAt(key))
            box->SetOpensMenu(true);
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (CSkinButton* box = ButtonAt(FunctionButtonKey(slot)))
            box->SetOpensMenu(true);
    for (int slot = 0; slot < kSlotCount; ++slot)
        SetProfileClick(FunctionButtonKey(slot),
                        [this, slot](ProfileRecord&, CSkinButton&) { OpenFunctionMenu(slot); });
    SetProfileClick(kResetKey, [this](ProfileRecord&, CSkinButton&) { ResetAssignments(); });
    for (int mode = 0; mode < 2; ++mode)
        SetProfileEdit(kModeKeys[mode], [mode](ProfileRecord& profile, bool) {
            profile.ModeStatus = static_cast<uint8_t>(mode + 1);
        });
    for (int rate = 0; rate < 4; ++rate)
        SetProfileEdit(kRateKeys[rate],
                       [rate](ProfileRecord& profile, bool) { profile.PollingRate = rate; });
    for (int level = 0; level < kDpiStageCount; ++level) {
        SetProfileEdit(kLevelSwitchKeys[level], [level](ProfileRecord& profile, bool pressed) {
            SwitchDpiLevel(profile, level, pressed);
        });
        SetProfileEdit(kLevelSelectorKeys[level],
                       [level](ProfileRecord& profile, bool) { SelectDpiLevel(profile, level); });
        SetProfileClick(kLevelValueKeys[level], [this, level](ProfileRecord&, CSkinButton& button) {
            valueLevel_ = level;
            OpenMenu(button, DpiValueMenu(), kDpiValueMenuWidth, 0);
        });
    }
    SetProfileClick(kLightModeKey, [this](ProfileRecord&, CSkinButton& button) {
        OpenMenu(button, LightModeMenu(), kLightMenuWidth, 1);
    });
    SetProfileClick(kLightLevelKey, [this](ProfileRecord& profile, CSkinButton& button) {
        OpenMenu(button, LightLevelMenu(profile), kLightMenuWidth, 1);
    });
    SetProfileClick(kLightEffectKey, [this](ProfileRecord& profile, CSkinButton& button) {
        OpenMenu(button, LightEffectMenu(profile), kLightMenuWidth, 1);
    });
    for (int i = 0; i < kColorCount; ++i)
        SetProfileEdit(kFirstColourSwitchKey + i, [i](ProfileRecord& profile, bool pressed) {
            profile.ColorFlag[i] = pressed ? 1 : 0;
        });
}

void CButtonPage::SetProfileClick(int key,
                                  std::function<void(ProfileRecord&, CSkinButton&)> action) {
    CSkinButton* button = ButtonAt(key);
    if (!button)
        return;
    button->onClick = [this, button, action = std::move(action)] {
        if (ProfileRecord* profile = Profile())
            action(*profile, *button);
    };
}

void CButtonPage::SetProfileEdit(int key, std::function<void(ProfileRecord&, bool pressed)> edit) {
    SetProfileClick(key,
                    [this, edit = std::move(edit)](ProfileRecord& profile, CSkinButton& button) {
                        edit(profile, button.Pressed());
                        ShowChanges();
                    });
}

// 0 is no text: an empty caption.
std::string CButtonPage::Text(unsigned id) const {
    return id && host_.text ? host_.text(id) : std::string();
}

ProfileRecord* CButtonPage::Profile() const {
    return host_.working ? host_.working->ActiveProfile() : nullptr;
}

// ---- showing the profile ----

void CButtonPage::ShowSettings(const SharedSettingsBlock& settings) {
    if (const ProfileRecord* profile = settings.ActiveProfile())
        ShowProfile(*profile);
}

void CButtonPage::ShowProfile(const ProfileRecord& profile) {
    ShowCaptions(profile);
    ShowLightingCaptions(profile);
    ShowMode(profile);
    ShowRate(profile);
    ShowColours(profile);
    ShowDpiLevels(profile);
    ShowColourSwitches(profile);
    ShowColoursEnabled(profile);
    // Everything changed is painted now, in one pass.
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CButtonPage::ShowChanges() {
    if (const ProfileRecord* profile = Profile())
        ShowProfile(*profile);
}

void CButtonPage::ShowCaptions(const ProfileRecord& profile) {
    const TextLookup text = [this](unsigned id) { return Text(id); };
    for (int slot = 0; slot < kSlotCount; ++slot) {
        CSkinButton* button = ButtonAt(FunctionButtonKey(slot));
        if (!button)
            continue;
        button->SetCaption(FunctionCaption(profile.Buttons[slot], text));
        ShowEnabled(button, !LockedByTwin(profile, slot));
    }
    for (int i = 0; i < kDpiStageCount; ++i)
        if (CSkinButton* value = ButtonAt(kLevelValueKeys[i]))
            value->SetCaption(Text(DpiValueText(profile.CpiLevel_X[i])));
}

void CButtonPage::ShowLightingCaptions(const ProfileRecord& profile) {
    if (CSkinButton* mode = ButtonAt(kLightModeKey))
        mode->SetCaption(Text(LightModeText(profile)));
    if (CSkinButton* level = ButtonAt(kLightLevelKey))
        level->SetCaption(Text(LightLevelText(profile)));
    if (CSkinButton* effect = ButtonAt(kLightEffectKey))
        effect->SetCaption(Text(LightEffectText(profile)));
}

void CButtonPage::ShowMode(const ProfileRecord& profile) {
    for (int j = 0; j < 2; ++j)
        if (CSkinButton* mode = ButtonAt(kModeKeys[j]))
            mode->SetPressed(profile.ModeStatus == j + 1);
    // Shown and hidden without drawing as they go: a button that appears
    // paints itself, and the page repaints only a place that a hidden button
    // leaves and no shown one takes (the skin usually gives both modes the
    // same places).
    std::vector<RECT> shownPlaces, leftPlaces;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        CSkinButton* button = ButtonAt(FunctionButtonKey(slot));
        if (!button || !SwitchedByMode(slot))
            continue;
        const bool shown = ShownInMode(slot, profile.ModeStatus);
        if ((IsWindowVisible(button->Hwnd()) != FALSE) == shown)
            continue;
        SetWindowPos(button->Hwnd(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW |
                         (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        RECT place;
        GetWindowRect(button->Hwnd(), &place);
        MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&place), 2);
        if (shown) {
            InvalidateRect(button->Hwnd(), nullptr, FALSE);
            shownPlaces.push_back(place);
        } else {
            leftPlaces.push_back(place);
        }
    }
    for (const RECT& left : leftPlaces) {
        const bool taken = std::any_of(shownPlaces.begin(), shownPlaces.end(),
                                       [&](const RECT& r) { return EqualRect(&r, &left); });
        if (!taken)
            RedrawWindow(Hwnd(), &left, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

void CButtonPage::ShowRate(const ProfileRecord& profile) {
    for (int k = 0; k < 4; ++k)
        if (CSkinButton* rate = ButtonAt(kRateKeys[k]))
            rate->SetPressed(profile.PollingRate == k);
}

void CButtonPage::ShowColours(const ProfileRecord& profile) {
    for (int i = 0; i < kColorCount; ++i)
        colours_[i].SetColour(static_cast<COLORREF>(profile.SLEDColor[i]));
}

void CButtonPage::ShowDpiLevels(const ProfileRecord& profile) {
    const auto states = DpiLevelStates(profile);
    for (int i = 0; i < kDpiStageCount; ++i) {
        if (CSkinButton* level = ButtonAt(kLevelSwitchKeys[i])) {
            level->SetPressed(states[i].switchOn);
            ShowEnabled(level, states[i].switchEnabled);
        }
        if (CSkinButton* selector = ButtonAt(kLevelSelectorKeys[i])) {
            selector->SetPressed(states[i].selected);
            ShowEnabled(selector, states[i].selectorEnabled);
        }
    }
}

void CButtonPage::ShowColourSwitches(const ProfileRecord& profile) {
    for (int i = 0; i < kColorCount; ++i)
        if (CSkinButton* colourSwitch = ButtonAt(kFirstColourSwitchKey + i))
            colourSwitch->SetPressed(profile.ColorFlag[i] != 0);
}

void CButtonPage::ShowColoursEnabled(const ProfileRecord& profile) {
    const bool enabled = ColoursEditable(profile);
    for (int i = 0; i < kColorCount; ++i) {
        if (colours_[i].Hwnd() && (IsWindowEnabled(colours_[i].Hwnd()) != FALSE) != enabled)
            EnableWindow(colours_[i].Hwnd(), enabled);
        ShowEnabled(ButtonAt(kFirstColourSwitchKey + i), enabled);
    }
}

// ---- menus ----

bool CButtonPage::MenuMayOpen() const {
    return !anyMenuClosed_ || GetTickCount() - menuClosedAt_ >= kReopenGuardMs;
}

void CButtonPage::MenuOpens() {
    menuProfile_ = host_.working ? host_.working->CurrentProfile : -1;
}

void CButtonPage::MenuClosed(CSkinButton& button) {
    // The empty message lets the menu's own closing finish first.
    PostMessageA(Hwnd(), WM_NULL, 0, 0);
    button.ClearHover();
    menuClosedAt_ = GetTickCount();
    anyMenuClosed_ = true;
}

void CButtonPage::OpenFunctionMenu(int slot) {
    CSkinButton* button = ButtonAt(FunctionButtonKey(slot));
    if (!button || !MenuMayOpen())
        return;
    editedSlot_ = slot;
    OpenMenu(*button, FunctionMenuFor(slot), kFunctionMenuWidth, 1);
}

void CButtonPage::OpenMenu(CSkinButton& button, const MenuModel& items, int width, int xOffset) {
    if (items.empty() || !MenuMayOpen())
        return;
    CSkinMenu menu(
        items, width, [this](unsigned id) { return Text(id); }, SkinScale());
    MenuOpens();
    menu.TrackForCommand(Hwnd(), BelowButton(button.Hwnd(), xOffset));
    MenuClosed(button);
}

// ---- function choices ----

void CButtonPage::ChooseFunctionItem(int item) {
    ProfileRecord* profile = Profile();
    const int slot = editedSlot_;
    if (!profile || slot < 0 || slot >= kSlotCount)
        return;
    const ChoiceNeeds needs = ChooseFunction(*profile, slot, item);
    ButtonAssignment& entry = profile->Buttons[slot];
    FunctionChoice choice;
    bool answered = false;
    switch (needs) {
    case ChoiceNeeds::Refused: {
        CWarnDlg warning(Warning::Click);
        warning.DoModal(GetAncestor(Hwnd(), GA_ROOT));
        return;
    }
    case ChoiceNeeds::Nothing:
        break;
    case ChoiceNeeds::Shortcut:
        choice.code = fn::Key;
        choice.keyUsage = entry.KeyUsage();
        choice.keyModifiers = entry.KeyModifiers();
        answered = AskShortcut(GetAncestor(Hwnd(), GA_ROOT), choice.keyUsage, choice.keyModifiers);
        break;
    case ChoiceNeeds::Fire: {
        const bool isFire = entry.Function == fn::Fire;
        choice.code = fn::Fire;
        choice.keyUsage = entry.KeyUsage();
        choice.fireCount = isFire ? entry.FireCount : 0;
        choice.fireInterval = isFire ? entry.FireInterval : 5;
        answered = AskFire(GetAncestor(Hwnd(), GA_ROOT), choice.fireCount, choice.fireInterval,
                           choice.keyUsage);
        break;
    }
    case ChoiceNeeds::Macro:
        if (host_.working && host_.macros) {
            CSelectMacroDlg dialog(*host_.macros, *host_.working, *profile, slot);
            if (dialog.DoModal(GetAncestor(Hwnd(), GA_ROOT)) == IDOK)
                ApplyTwinRule(*profile, slot);
        }
        break;
    }
    if (answered) {
        AssignFunction(*profile, slot, choice);
        ApplyTwinRule(*profile, slot);
    }
    ShowChanges();
}

void CButtonPage::ResetAssignments() {
    if (ProfileRecord* profile = Profile()) {
        ResetButtonTable(*profile);
        ShowChanges();
    }
}

void CButtonPage::PickColour(int index) {
    ProfileRecord* profile = Profile();
    if (!profile || index < 0 || index >= kColorCount)
        return;
    COLORREF colour = static_cast<COLORREF>(profile->SLEDColor[index]);
    if (AskColour(GetAncestor(Hwnd(), GA_ROOT), colour)) {
        profile->SLEDColor[index] = static_cast<int32_t>(colour & 0xFFFFFF);
        colours_[index].SetColour(colour & 0xFFFFFF);
    }
    colours_[index].ClearHover();
}

// ---- messages ----

LRESULT CButtonPage::OnMenuCommand(WORD command) {
    ProfileRecord* profile = Profile();
    // A choice from a menu opened for a profile that is no longer shown (a
    // switch arrived while the menu was open) would land on another profile.
    if (!profile || host_.working->CurrentProfile != menuProfile_)
        return 0;
    if (command >= kFirstFunctionItem && command <= kLastFunctionItem) {
        ChooseFunctionItem(command);
        return 0;
    }
    const bool changed =
        ChooseDpiValue(*profile, valueLevel_, command) || ChooseLightMode(*profile, command) ||
        ChooseLightLevel(*profile, command) || ChooseLightEffect(*profile, command);
    if (changed)
        ShowChanges();
    return 0;
}

} // namespace mervik::ui
