#pragma once
// Page 2: the macro editor (macro list, the selected macro's steps, New,
// Delete, Record and Stop, repeat count, the event menu) and the pointer
// controls of the profile shown.
#include <functional>

#include "macros/MacroEventBuffer.h"
#include "macros/MacroEventRows.h"
#include "macros/MacroList.h"
#include "macros/MacroRecorder.h"
#include "ui/core/SkinControls.h"
#include "ui/core/TextLookup.h"
#include "ui/win32/controls/CBitmapEdit.h"
#include "ui/win32/controls/CSkinListBox.h"
#include "ui/win32/pages/CDisplayNoticeControls.h"
#include "ui/win32/pages/CPointerControls.h"
#include "ui/win32/pages/CSkinnedPage.h"

namespace mervik::ui {

// What a recording remembers from one to the next: one for the process.
CaptureHistory& RecordingHistory();

// What the page reaches outside itself: the main window's copies of the
// settings and its macro list, the language library's texts, and what the
// main window does on the page's behalf.
struct AdvancePageHost {
    SharedSettingsBlock* working = nullptr;
    const SharedSettingsBlock* applied = nullptr;
    MacroList* macros = nullptr;
    OsdSettings* display = nullptr; // the on-screen display's record
    TextLookup text;
    std::function<void()> buttonsChanged;      // page 1 shows the buttons' labels anew
    std::function<void()> profilesReset;       // show and apply every profile
    std::function<void(unsigned textId)> warn; // a refusal, said in a message box
    std::function<bool()> backUpBeforeReset;   // false: no backup, so no reset
};

class CAdvanceSettingPage : public CSkinnedPage {
public:
    CAdvanceSettingPage()
        : CSkinnedPage("skin_advance_setting.ini", "page2", skin_controls::kAdvanceSetting),
          pointer_([this] { return ShownProfile(); },
                   [this](const ProfileRecord& profile) { FeelDoubleClick(profile); }),
          notices_([this] { return host_.display; }, [this](unsigned id) { return Text(id); }) {}

    // Before the controls are made.
    void Bind(AdvancePageHost host);

    bool Recording() const { return recorder_.Recording(); }
    // Ends a running recording as Stop does; the steps taken are kept.
    void StopRecording();
    // The macro list and the selected macro's steps, shown anew.
    void ReloadMacros();
    // Takes what an open name or pause entry and the typed fields hold, as
    // leaving them does: before Apply, OK, a page change or a close, none of
    // which takes the focus from them.
    void CommitEdits();
    int SelectedMacro() const { return selected_; }
    // Selects and shows macro `index` (none for one the list lacks).
    void SelectMacro(int index);
    // The double-click time of the profile shown is felt by the system
    // (FeelDoubleClick), not yet applied; a page made anew feels it again.
    bool FeelsDoubleClick() const { return doubleClickChanged_; }
    void FeelShownDoubleClick();
    const MacroEventBuffer& Steps() const { return buffer_; }

protected:
    void ShowSettings(const SharedSettingsBlock& settings) override;
    bool PlaceOwnControl(int key, const ButtonPos& place,
                         const SharedSkinImages& pictures) override;
    void OnControlsMade() override;
    void DrawOverBackground(HDC dc) override;
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnDestroy() override;

private:
    std::string Text(unsigned id) const;
    MacroRecord* CurrentRecord() const;
    ProfileRecord* ShownProfile() const;
    void LoadMacro(int index);
    void ShowSteps(int caretRow);
    void StoreSteps();
    void ShowRepeat(int value);
    void TakeRepeatField();
    void ShowBankMeter();

    void NewMacro();
    void EndOpenEntry();
    void AcceptNewName(int row);
    static std::string ShownName(const MacroRecord& record);
    std::string StoredName(int row) const;
    void RefuseName(unsigned textId);
    void AcceptRename(int row);
    void DeleteMacro();
    void PressRecord();
    void StartRecording(bool replace);
    void TakeCapturedKey(int virtualKey, bool up);
    void EnableForRecording(bool recording);

    void OpenEventMenu(POINT at);
    void RunEventCommand(int command);
    void AcceptPauseEdit(int row);
    void ResetProfiles();
    bool NeedsMacro();
    void ButtonsChanged();
    void FeelDoubleClick(const ProfileRecord& profile);

    AdvancePageHost host_;
    EventRowTexts rowTexts_;
    CSkinListBox macroList_;
    CSkinListBox eventList_;
    CBitmapEdit repeat_;
    CPointerControls pointer_;
    CDisplayNoticeControls notices_;
    RECT meterRect_{};
    std::string meterText_;

    MacroRecorder recorder_{RecordingHistory()};
    MacroEventBuffer buffer_;
    int selected_ = -1;
    int repeatValue_ = 1;
    int menuRow_ = -1;
    uint32_t pauseRow_ = 0; // the pause row the in-place edit changes
    bool doubleClickChanged_ = false;
    bool showingRepeat_ = false;
    bool endingEntry_ = false; // a command ends an open entry before it acts
};

} // namespace mervik::ui
