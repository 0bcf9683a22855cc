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

void CProfileStrip::Create(HWND parent, const DeferredControls& places, int firstKey) {
    parent_ = parent;
    const SharedSkinImages& pictures = places.Pictures();
    bool allPlaced = true;
    for (int i = 0; i < kProfileCount; ++i)
        allPlaced = allPlaced && !places.Place(firstKey + i).rect.IsEmpty();
    if (allPlaced) {
        for (int i = 0; i < kProfileCount; ++i) {
            PlaceSkinButton(profiles_[i], parent, places.Place(firstKey + i), pictures);
            profiles_[i].SetCaptionCentred(true);
        }
    }
    const ButtonPos& linkPlace = places.Place(firstKey + kProfileCount);
    // The field's right end, as wide as it is high, shows what a click does.
    if (!linkPlace.rect.IsEmpty() && PlaceSkinButton(link_, parent, linkPlace, pictures))
        link_.SetCaptionRightInset(linkPlace.rect.Height());
    linkTooltip_ = linkPlace.tooltip;
    const ButtonPos& unlinkPlace = places.Place(firstKey + kProfileCount + 1);
    if (!unlinkPlace.rect.IsEmpty() && PlaceSkinButton(unlink_, parent, unlinkPlace, pictures)) {
        unlink_.SetCaptionCentred(true);
        unlink_.SetCaption(Program().language.Text(kTextClearLink));
    }
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

CProfileStrip::Command CProfileStrip::OnCommand(HWND control, WORD code,
                                                SharedSettingsBlock& working) {
    if (!control)
        return Command::NotOurs;
    for (int i = 0; i < kProfileCount; ++i) {
        if (control != profiles_[i].Hwnd())
            continue;
        // The first click of a double-click has already chosen the profile.
        if (code == BN_DOUBLECLICKED) {
            StartRename(i, working);
            return Command::Done;
        }
        if (code != BN_CLICKED || working.CurrentProfile == i) {
            Refresh(working); // a click on the pressed button leaves it pressed
            return Command::Done;
        }
        working.CurrentProfile = i;
        Refresh(working);
        return Command::CurrentChanged;
    }
    if (control != link_.Hwnd() && control != unlink_.Hwnd())
        return Command::NotOurs;
    ProfileRecord* current = working.ActiveProfile();
    if (code == BN_CLICKED && current) {
        if (control == link_.Hwnd())
            LinkProgram(*current);
        else
            UnlinkProgram(*current);
        Refresh(working);
    }
    return Command::Done;
}

void CProfileStrip::LinkProgram(ProfileRecord& profile) {
    ChosenProgram chosen = ChooseProgramFile(parent_, LinkedProgramPath(profile));
    if (chosen.outcome == ChosenProgram::Outcome::Cancelled)
        return;
    if (chosen.outcome == ChosenProgram::Outcome::NotInCodePage) {
        ShowFailures(parent_, {kTextPathNotInCodePage});
        return;
    }
    ProfileTextFault fault = mervik::LinkProgram(profile, chosen.path);
    if (fault != ProfileTextFault::None)
        ShowFailures(parent_, {PathRefusalText(fault)});
}

void CProfileStrip::StartRename(int index, const SharedSettingsBlock& working) {
    if (editor_)
        return;
    RECT rect;
    GetWindowRect(profiles_[index].Hwnd(), &rect);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&rect), 2);
    renaming_ = index;
    editor_ = std::make_unique<CInPlaceEditor>();
    const std::string name = ProfileName(working.Profiles[index]);
    // The editor calls back from inside its own window procedure: the outcome
    // is kept and the editor dropped from the main window's queue.
    const bool made = editor_->Create(parent_, rect, SkinTextFont(), name.c_str(),
                                      static_cast<int>(kProfileNameMax), false,
                                      [this](bool commit, const std::string& text) {
                                          renameCommitted_ = commit;
                                          renamedTo_ = text;
                                          PostMessageA(parent_, kMsgRenameDone, 0, 0);
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

void CProfileStrip::FinishRename(SharedSettingsBlock& working) {
    if (!editor_)
        return;
    editor_.reset();
    const int index = renaming_;
    renaming_ = -1;
    if (index < 0)
        return;
    ShowWindow(profiles_[index].Hwnd(), SW_SHOW);
    if (!renameCommitted_)
        return;
    ProfileTextFault fault = RenameProfile(working.Profiles[index], renamedTo_);
    if (fault != ProfileTextFault::None)
        ShowFailures(parent_, {NameRefusalText(fault)});
    Refresh(working);
}

void CProfileStrip::Destroy() {
    editor_.reset();
    for (CSkinButton& button : profiles_)
        button.Destroy();
    link_.Destroy();
    unlink_.Destroy();
}

} // namespace mervik::ui
