#include "ui/win32/main/CProfileStrip.h"

#include "ui/win32/controls/SkinTextFont.h"

#include "lang/TextIds.h"
#include "settings/ProfileIdentity.h"
#include "ui/win32/controls/PlaceButton.h"
#include "ui/win32/main/OptionSaves.h"
#include "ui/win32/main/ProgramFileChooser.h"
#include "ui/win32/main/ProgramWide.h"

namespace mervik::ui {

namespace {

unsigned NameRefusalText(ProfileTextFault fault) {
    switch (fault) {
    case ProfileTextFault::TooLong:
        return kTextNameTooLong;
    case ProfileTextFault::LineBreak:
        return kTextNameLineBreak;
    default:
        return kTextNameEmpty;
    }
}

unsigned PathRefusalText(ProfileTextFault fault) {
    return fault == ProfileTextFault::TooLong ? kTextPathTooLong : kTextPathNoProgram;
}

} // namespace

void CProfileStrip::Create(win::Window& parent, const DeferredControls& places, int firstKey,
                           SharedSettingsBlock& working) {
    parent_ = &parent;
    working_ = &working;
    const SharedSkinImages& pictures = places.Pictures();
    bool allPlaced = true;
    for (int i = 0; i < kProfileCount; ++i)
        allPlaced = allPlaced && !places.Place(firstKey + i).rect.IsEmpty();
    if (allPlaced) {
        for (int i = 0; i < kProfileCount; ++i) {
            PlaceSkinButton(profiles_[i], parent.Hwnd(), places.Place(firstKey + i), pictures);
            profiles_[i].SetCaptionCentred(true);
            profiles_[i].SetRole(AccessibleRole::OptionButton);
            profiles_[i].onClick = [this, i] { Choose(i); };
            // The first click of a double-click has already chosen the profile.
            profiles_[i].onDoubleClick = [this, i] { StartRename(i); };
        }
    }
    const ButtonPos& linkPlace = places.Place(firstKey + kProfileCount);
    // The field's right end, as wide as it is high, shows what a click does.
    if (!linkPlace.rect.IsEmpty() && PlaceSkinButton(link_, parent.Hwnd(), linkPlace, pictures))
        link_.SetCaptionRightInset(linkPlace.rect.Height());
    link_.onClick = [this] { EditLink(true); };
    linkTooltip_ = linkPlace.tooltip;
    const ButtonPos& unlinkPlace = places.Place(firstKey + kProfileCount + 1);
    if (!unlinkPlace.rect.IsEmpty() &&
        PlaceSkinButton(unlink_, parent.Hwnd(), unlinkPlace, pictures)) {
        unlink_.SetCaptionCentred(true);
        unlink_.SetCaption(Program().language.Text(kTextClearLink));
    }
    unlink_.onClick = [this] { EditLink(false); };
}

std::vector<HWND> CProfileStrip::ProfileWindows() const {
    std::vector<HWND> windows;
    for (const CSkinButton& profile : profiles_)
        if (profile.Hwnd())
            windows.push_back(profile.Hwnd());
    return windows;
}

void CProfileStrip::Refresh(const SharedSettingsBlock& working) {
    for (int i = 0; i < kProfileCount; ++i) {
        if (!profiles_[i].Hwnd())
            continue;
        profiles_[i].SetCaption(ProfileName(working.Profiles[i]));
        profiles_[i].SetPressed(i == working.CurrentProfile);
    }
    const ProfileRecord* current = working.ActiveProfile();
    const std::string program = current ? LinkedProgramName(*current) : std::string();
    if (link_.Hwnd()) {
        link_.SetCaption(program.empty() ? Program().language.Text(kTextLinkProgram) : program);
        // The whole path in the tip once a program is linked.
        link_.SetTooltip(program.empty() ? linkTooltip_ : LinkedProgramPath(*current));
        EnableWindow(link_.Hwnd(), current != nullptr);
    }
    if (unlink_.Hwnd())
        EnableWindow(unlink_.Hwnd(), !program.empty());
}

void CProfileStrip::Choose(int index) {
    // A click on the pressed button leaves it pressed.
    const bool changed = working_->CurrentProfile != index;
    working_->CurrentProfile = index;
    Refresh(*working_);
    if (changed && onProfileChosen)
        onProfileChosen();
}

void CProfileStrip::EditLink(bool link) {
    ProfileRecord* current = working_->ActiveProfile();
    if (!current)
        return;
    if (link)
        LinkProgram(*current);
    else
        UnlinkProgram(*current);
    Refresh(*working_);
}

void CProfileStrip::LinkProgram(ProfileRecord& profile) {
    ChosenProgram chosen = ChooseProgramFile(parent_->Hwnd(), LinkedProgramPath(profile));
    if (chosen.outcome == ChosenProgram::Outcome::Cancelled)
        return;
    if (chosen.outcome == ChosenProgram::Outcome::NotInCodePage) {
        ShowFailures(parent_->Hwnd(), {kTextPathNotInCodePage});
        return;
    }
    ProfileTextFault fault = mervik::LinkProgram(profile, chosen.path);
    if (fault != ProfileTextFault::None)
        ShowFailures(parent_->Hwnd(), {PathRefusalText(fault)});
}

void CProfileStrip::StartRename(int index) {
    if (editor_)
        return;
    RECT rect;
    GetWindowRect(profiles_[index].Hwnd(), &rect);
    MapWindowPoints(nullptr, parent_->Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    renaming_ = index;
    editor_ = std::make_unique<CInPlaceEditor>();
    const std::string name = ProfileName(working_->Profiles[index]);
    // The editor calls back from inside its own window procedure: the outcome
    // is kept and the editor dropped from the main window's queue.
    const bool made = editor_->Create(parent_->Hwnd(), rect, SkinTextFont(profiles_[0].SkinScale()),
                                      name.c_str(), static_cast<int>(kProfileNameMax), false,
                                      [this](bool commit, const std::string& text) {
                                          renameCommitted_ = commit;
                                          renameNotInCodePage_ = editor_->NotInCodePage();
                                          renamedTo_ = text;
                                          parent_->Post([this] { FinishRename(); });
                                      });
    if (made) {
        // The editor takes the button's place; the button, painting its
        // hover face, would otherwise draw over it.
        ShowWindow(profiles_[index].Hwnd(), SW_HIDE);
    } else {
        editor_.reset();
        renaming_ = -1;
    }
}

void CProfileStrip::FinishRename() {
    if (!editor_)
        return;
    editor_.reset();
    const int index = renaming_;
    renaming_ = -1;
    if (index < 0)
        return;
    ShowWindow(profiles_[index].Hwnd(), SW_SHOW);
    if (renameNotInCodePage_)
        ShowFailures(parent_->Hwnd(), {kTextNameNotInCodePage});
    if (!renameCommitted_)
        return;
    ProfileTextFault fault = RenameProfile(working_->Profiles[index], renamedTo_);
    if (fault != ProfileTextFault::None)
        ShowFailures(parent_->Hwnd(), {NameRefusalText(fault)});
    Refresh(*working_);
}

void CProfileStrip::CommitRename() {
    if (!editor_)
        return;
    editor_->Commit();
    FinishRename();
}

void CProfileStrip::Destroy() {
    editor_.reset();
    for (CSkinButton& button : profiles_)
        button.Destroy();
    link_.Destroy();
    unlink_.Destroy();
}

} // namespace mervik::ui
