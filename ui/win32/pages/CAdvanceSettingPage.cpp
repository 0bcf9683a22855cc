#include "ui/win32/pages/CAdvanceSettingPage.h"

#include "ui/core/DisplayScale.h"

#include <algorithm>
#include <iterator>

#include "device/SequenceBanks.h"
#include "lang/TextIds.h"
#include "macros/MacroEventRows.h"
#include "macros/MacroNaming.h"
#include "macros/MacroPageEdits.h"
#include "macros/SelectMacroChoice.h"
#include "macros/SyncMacroButtons.h"
#include "settings/ProfileDefaults.h"
#include "settings/StoredText.h"
#include "settings/TextField.h"
#include "settings/win32/WidePath.h"
#include "ui/core/EventMenu.h"
#include "ui/core/MacroBankMeter.h"
#include "ui/win32/capture/KeyCapture.h"
#include "ui/win32/controls/CSkinMenu.h"
#include "ui/win32/controls/PlaceButton.h"
#include "ui/win32/controls/SkinTextFont.h"
#include "ui/win32/dialogs/CWarnDlg.h"
#include "win32/AnsiText.h"

namespace mervik::ui {

namespace {

// BUTTONPOS keys of the macro controls.
enum MacroKey {
    kNewKey = 10,
    kDeleteKey = 11,
    kLockedKey = 12, // no action; off while recording
    kMacroListKey = 13,
    kEventListKey = 14,
    kRecordKey = 15,
    kStopKey = 16,
    kRepeatKey = 17,
    kRecordDelaysKey = 19,
    kBankMeterKey = 23,
};

constexpr COLORREF kListBackground = 0xDCDCDC;
constexpr COLORREF kListSelection = 0xF0A434;
constexpr COLORREF kListText = 0x202020;
constexpr int kRowIconWidth = 16;
constexpr int kRepeatLimit = 3;
constexpr int kPauseLimit = 20;
constexpr int kMenuWidth = 120;

} // namespace

CaptureHistory& RecordingHistory() {
    static CaptureHistory history;
    return history;
}

void CAdvanceSettingPage::Bind(AdvancePageHost host) {
    host_ = std::move(host);
    for (size_t i = 0; i < std::size(kTextRowButton); ++i)
        rowTexts_.mouseButtons[i] = Text(kTextRowButton[i]);
    rowTexts_.down = Text(kTextRowDown);
    rowTexts_.up = Text(kTextRowUp);
    rowTexts_.pauseUnit = Text(kTextPauseUnit);
}

std::string CAdvanceSettingPage::Text(unsigned id) const {
    return host_.text ? host_.text(id) : std::string();
}

// ---- controls ----

bool CAdvanceSettingPage::PlaceOwnControl(int key, const ButtonPos& place,
                                          const SharedSkinImages& pictures) {
    if (pointer_.Place(Hwnd(), key, place, pictures))
        return true;
    const RECT rect = ToRect(place.rect);
    switch (key) {
    case kMacroListKey:
    case kEventListKey: {
        CSkinListBox& list = key == kMacroListKey ? macroList_ : eventList_;
        if (place.rect.IsEmpty() || !list.Create(Hwnd(), rect, SkinScale()))
            return true;
        list.SetBackground(kListBackground);
        list.SetColours(kListSelection, kListText);
        if (pictures)
            list.SetFocusLook(pictures->Focus());
        list.SetLabel(place.label);
        if (key == kMacroListKey) {
            list.onSelect = [this] {
                if (!Recording())
                    LoadMacro(macroList_.Selection());
            };
            list.onItemNamed = [this](int row) { AcceptNewName(row); };
            list.onItemRenamed = [this](int row) { AcceptRename(row); };
            list.onTextRefused = [this] { RefuseName(kTextNameNotInCodePage); };
        } else {
            list.EnableRename(false);
            list.SetBitmapOffset(ScaleLength(kRowIconWidth, SkinScale()));
            list.onValueEdited = [this](int row) { AcceptPauseEdit(row); };
            list.onRightClick = [this](POINT at) { OpenEventMenu(at); };
        }
        return true;
    }
    case kRepeatKey:
        repeat_.SetFontSize(ScaleFontHeight(CBitmapEdit::kFontHeight, SkinScale()),
                            ScaleFontHeight(CBitmapEdit::kFontWidth, SkinScale()));
        if (!place.rect.IsEmpty() && repeat_.Create(Hwnd(), rect)) {
            repeat_.SetColours(RGB(0, 0, 0), RGB(255, 255, 255));
            repeat_.SetLabel(place.label);
            repeat_.SetDigitsOnly(true);
            repeat_.SetLimit(kRepeatLimit);
            repeat_.onChange = [this] { TakeRepeatField(); };
        }
        return true;
    case kBankMeterKey:
        meterRect_ = rect;
        return true;
    default:
        return false;
    }
}

void CAdvanceSettingPage::OnControlsMade() {
    pointer_.TakeButtons(*this);
    notices_.TakeButtons(*this);
    if (CSkinButton* delays = ButtonAt(kRecordDelaysKey))
        delays->SetToggle(true);
    // Every command acts on what the user sees: an open entry is settled
    // first, as Enter would settle it.
    auto command = [this](void (CAdvanceSettingPage::*run)()) {
        return [this, run] {
            EndOpenEntry();
            (this->*run)();
        };
    };
    SetClick(kNewKey, command(&CAdvanceSettingPage::NewMacro));
    SetClick(kDeleteKey, command(&CAdvanceSettingPage::DeleteMacro));
    SetClick(kRecordKey, command(&CAdvanceSettingPage::PressRecord));
    SetClick(kStopKey, command(&CAdvanceSettingPage::StopRecording));
    SetClick(CPointerControls::kResetKey, command(&CAdvanceSettingPage::ResetProfiles));
}

void CAdvanceSettingPage::ShowSettings(const SharedSettingsBlock& settings) {
    if (const ProfileRecord* profile = settings.ActiveProfile())
        pointer_.Show(*profile);
    notices_.Show();
    // A reload while recording leaves the recording's steps alone.
    if (!Recording())
        ReloadMacros();
}

ProfileRecord* CAdvanceSettingPage::ShownProfile() const {
    return host_.working ? host_.working->ActiveProfile() : nullptr;
}

MacroRecord* CAdvanceSettingPage::CurrentRecord() const {
    return host_.macros ? host_.macros->RecordAt(selected_) : nullptr;
}

void CAdvanceSettingPage::ButtonsChanged() {
    if (host_.buttonsChanged)
        host_.buttonsChanged();
}

// Felt at once; undone on leaving unless applied (OnDestroy).
void CAdvanceSettingPage::FeelDoubleClick(const ProfileRecord& profile) {
    SetDoubleClickTime(static_cast<UINT>(profile.DbleClickSpeed));
    doubleClickChanged_ = true;
}

// ---- the macro list and the selected macro ----

void CAdvanceSettingPage::ReloadMacros() {
    if (!macroList_.Hwnd() || !host_.macros)
        return;
    macroList_.RemoveAll();
    for (int i = 0; i < host_.macros->Count(); ++i)
        macroList_.AddItem(ShownName(*host_.macros->RecordAt(i)), 0);
    const int first = InitialMacroRow(*host_.macros, SelectMacroScratch());
    macroList_.Select(first);
    LoadMacro(first);
}

void CAdvanceSettingPage::SelectMacro(int index) {
    if (!macroList_.Hwnd() || !host_.macros || !host_.macros->RecordAt(index))
        return;
    macroList_.Select(index);
    LoadMacro(index);
}

void CAdvanceSettingPage::FeelShownDoubleClick() {
    if (const ProfileRecord* profile = ShownProfile())
        FeelDoubleClick(*profile);
}

void CAdvanceSettingPage::LoadMacro(int index) {
    MacroRecord* record = host_.macros ? host_.macros->RecordAt(index) : nullptr;
    selected_ = record ? index : -1;
    buffer_.Load(record);
    ShowSteps(-1);
    ShowRepeat(record ? record->RepeatCount : 1);
}

void CAdvanceSettingPage::ShowSteps(int caretRow) {
    if (!eventList_.Hwnd())
        return;
    const EventListView view = BuildEventRows(buffer_, caretRow, rowTexts_);
    SendMessageA(eventList_.Hwnd(), WM_SETREDRAW, FALSE, 0);
    eventList_.RemoveAll();
    for (const EventRow& row : view.rows)
        eventList_.AddItem(row.text, static_cast<LPARAM>(row.value));
    // The row worked on stays selected; the rows after it only scroll in.
    if (view.caretRow >= 0) {
        eventList_.Select(view.caretRow);
        eventList_.ScrollIntoView(view.scrollRow);
    }
    SendMessageA(eventList_.Hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(eventList_.Hwnd(), nullptr, TRUE);
    ShowBankMeter();
}

void CAdvanceSettingPage::StoreSteps() {
    if (MacroRecord* record = CurrentRecord())
        buffer_.Store(*record);
    ShowBankMeter();
}

void CAdvanceSettingPage::ShowBankMeter() {
    if (IsRectEmpty(&meterRect_))
        return;
    std::string text;
    if (selected_ >= 0) {
        const BankMeterTexts texts{Text(kTextBankFits), Text(kTextBankTooLong)};
        text = BankMeterText(std::span<const MacroEvent>(buffer_.events, buffer_.count), texts);
    }
    if (text == meterText_)
        return;
    meterText_ = text;
    InvalidateRect(Hwnd(), &meterRect_, FALSE);
}

void CAdvanceSettingPage::DrawOverBackground(HDC dc) {
    CSkinnedPage::DrawOverBackground(dc);
    if (meterText_.empty())
        return;
    Font font(CreateSkinFont(ScaleFontHeight(14, SkinScale()), 0, FW_NORMAL, L"Arial",
                             WantsChineseFace(meterText_)));
    SelectGuard select(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    const bool cut = PlanMacroBank(std::span<const MacroEvent>(buffer_.events, buffer_.count)).cut;
    SetTextColor(dc, cut ? RGB(220, 60, 50) : RGB(150, 160, 170));
    RECT rect = meterRect_;
    DrawTextW(dc, win::Widen(meterText_).c_str(), -1, &rect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void CAdvanceSettingPage::ShowRepeat(int value) {
    repeatValue_ = value <= 0 ? 1 : value;
    if (MacroRecord* record = CurrentRecord())
        record->RepeatCount = repeatValue_;
    if (!repeat_.Hwnd())
        return;
    const std::string text = std::to_string(repeatValue_);
    if (repeat_.Text() == text)
        return;
    showingRepeat_ = true;
    repeat_.SetText(text);
    showingRepeat_ = false;
}

void CAdvanceSettingPage::TakeRepeatField() {
    if (showingRepeat_ || !repeat_.Hwnd())
        return;
    const std::string text = repeat_.Text();
    // An emptied field is being typed into: it settles when it loses the
    // focus, not under the typing fingers.
    if (text.empty() && GetFocus() == repeat_.Hwnd())
        return;
    // A corrected number is shown; the field then reports its own text, which
    // settles here without another change.
    ShowRepeat(ClampRepeatCount(ParseFieldNumber(text)));
}

// ---- New, rename, Delete ----

void CAdvanceSettingPage::CommitEdits() {
    EndOpenEntry();
    if (repeat_.Hwnd())
        ShowRepeat(ClampRepeatCount(ParseFieldNumber(repeat_.Text())));
    pointer_.CommitTyped();
}

void CAdvanceSettingPage::EndOpenEntry() {
    endingEntry_ = true;
    macroList_.CommitEdit();
    eventList_.CommitEdit();
    endingEntry_ = false;
}

void CAdvanceSettingPage::NewMacro() {
    if (Recording() || macroList_.Editing() || !host_.macros)
        return;
    if (host_.macros->Full()) {
        RefuseName(kTextMacroListFull);
        return;
    }
    macroList_.AddNewItem();
}

namespace {

unsigned NameRefusalText(MacroNameFault fault) {
    switch (fault) {
    case MacroNameFault::Empty:
        return kTextMacroNameEmpty;
    case MacroNameFault::ControlCharacter:
        return kTextMacroNameControl;
    default:
        return kTextMacroNameTaken;
    }
}

} // namespace

// The list shows names as the windows show texts; the records hold them in
// the code page (the editor takes only names it holds).
std::string CAdvanceSettingPage::ShownName(const MacroRecord& record) {
    return ShownFromStored(TextOfField(record.Name));
}

std::string CAdvanceSettingPage::StoredName(int row) const {
    return win::StoredFromShown(macroList_.Text(row)).value_or(std::string());
}

void CAdvanceSettingPage::RefuseName(unsigned textId) {
    if (host_.warn)
        host_.warn(textId);
}

void CAdvanceSettingPage::AcceptNewName(int row) {
    const std::string name = StoredName(row);
    const MacroNameFault fault = CheckMacroName(*host_.macros, -1, name);
    int index = -1;
    if (fault == MacroNameFault::None)
        index = host_.macros->Append(NewMacroRecord(name));
    if (index >= 0) {
        macroList_.SetText(index, ShownName(*host_.macros->RecordAt(index)));
    } else {
        SendMessageA(macroList_.Hwnd(), LB_DELETESTRING, static_cast<WPARAM>(row), 0);
        RefuseName(host_.macros->Full() ? kTextMacroListFull : NameRefusalText(fault));
    }
    // Ended by a command, the entry leaves the selection to the macro the
    // command was meant for; Enter selects the new macro.
    const int selection =
        endingEntry_ || index < 0 ? std::min(selected_, host_.macros->Count() - 1) : index;
    macroList_.Select(selection);
    if (!endingEntry_ || selection != selected_)
        LoadMacro(selection);
}

void CAdvanceSettingPage::AcceptRename(int row) {
    const std::string name = StoredName(row);
    const MacroNameFault fault = CheckMacroName(*host_.macros, row, name);
    if (fault == MacroNameFault::None && host_.working &&
        RenameMacro(*host_.macros, row, name, *host_.working))
        ButtonsChanged();
    if (const MacroRecord* record = host_.macros->RecordAt(row))
        macroList_.SetText(row, ShownName(*record)); // refused: the old name again
    if (fault != MacroNameFault::None)
        RefuseName(NameRefusalText(fault));
}

void CAdvanceSettingPage::DeleteMacro() {
    if (Recording() || selected_ < 0 || !host_.macros)
        return;
    CWarnDlg warning(Warning::DeleteMacro);
    if (warning.DoModal(GetAncestor(Hwnd(), GA_ROOT)) != 1)
        return;
    const int index = selected_;
    SendMessageA(macroList_.Hwnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    host_.macros->RemoveAt(index);
    const int selection = host_.macros->Empty() ? -1 : std::min(index, host_.macros->Count() - 1);
    macroList_.Select(selection);
    LoadMacro(selection);
    if (host_.working)
        SyncMacroButtons(*host_.macros, *host_.working);
    ButtonsChanged();
}

bool CAdvanceSettingPage::NeedsMacro() {
    if (CurrentRecord())
        return false;
    CWarnDlg warning(Warning::MacroSet);
    warning.DoModal(GetAncestor(Hwnd(), GA_ROOT));
    return true;
}

// ---- recording ----

void CAdvanceSettingPage::EnableForRecording(bool recording) {
    // Record delays is read when a recording starts: it cannot change during one.
    for (int key : {kNewKey, kDeleteKey, kLockedKey, kRecordDelaysKey})
        if (CSkinButton* button = ButtonAt(key))
            EnableWindow(button->Hwnd(), !recording);
    if (macroList_.Hwnd())
        EnableWindow(macroList_.Hwnd(), !recording);
    if (CSkinButton* record = ButtonAt(kRecordKey))
        record->SetPressed(recording);
}

// Record is no toggle: it shows pressed while a recording runs.
void CAdvanceSettingPage::PressRecord() {
    if (!Recording() && !NeedsMacro())
        StartRecording(true);
    else if (CSkinButton* record = ButtonAt(kRecordKey))
        record->SetPressed(Recording());
}

void CAdvanceSettingPage::StartRecording(bool replace) {
    if (Recording())
        return;
    if (replace) {
        buffer_.Clear();
        ShowSteps(-1);
    }
    CSkinButton* delays = ButtonAt(kRecordDelaysKey);
    recorder_.recordDelays = delays && delays->Pressed();
    recorder_.Start();
    InstallKeyHook(Hwnd());
    EnableForRecording(true);
    SetFocus(Hwnd());
}

void CAdvanceSettingPage::StopRecording() {
    if (!Recording())
        return;
    recorder_.Stop();
    RemoveKeyHookOf(Hwnd());
    EnableForRecording(false);
    StoreSteps();
    if (host_.macros && host_.working)
        SyncMacroButtons(*host_.macros, *host_.working);
    ButtonsChanged();
}

void CAdvanceSettingPage::TakeCapturedKey(int virtualKey, bool up) {
    if (!Recording())
        return;
    const KeyOutcome outcome = recorder_.TakeKey(buffer_, virtualKey, up, GetTickCount());
    if (outcome == KeyOutcome::StopAsked)
        return StopRecording();
    if (outcome == KeyOutcome::Ignored)
        return;
    // Kept in the record at once: whatever ends the program, the keys typed
    // so far are in the macro that gets saved.
    StoreSteps();
    ShowSteps(-1);
    if (outcome == KeyOutcome::Filled)
        StopRecording();
}

// ---- the event menu ----

void CAdvanceSettingPage::OpenEventMenu(POINT at) {
    EndOpenEntry();
    if (Recording())
        return;
    CSkinMenu menu(
        EventMenu(), kMenuWidth, [this](unsigned id) { return Text(id); }, SkinScale());
    const int command = menu.Track(Hwnd(), at, true);
    PostMessageA(Hwnd(), WM_NULL, 0, 0);
    RunEventCommand(command);
}

void CAdvanceSettingPage::RunEventCommand(int command) {
    if (command == 0 || NeedsMacro())
        return;
    menuRow_ = eventList_.Selection();
    const uint32_t row = menuRow_ >= 0 ? static_cast<uint32_t>(eventList_.ItemData(menuRow_)) : 0;
    switch (command) {
    case kEventRecordBefore:
        buffer_.insertIndex = RecordBeforeIndex(row);
        StartRecording(false);
        return;
    case kEventRecordAfter:
        buffer_.insertIndex = RecordAfterIndex(row);
        StartRecording(false);
        return;
    case kEventInsertPause:
        if (InsertDelayBefore(buffer_, row)) {
            StoreSteps();
            ShowSteps(menuRow_ - 1);
        }
        return;
    case kEventEditPause:
        if (row != 0 && KindOfRow(row) == EventRowKind::Pause) {
            pauseRow_ = row;
            eventList_.EditValue(menuRow_, kPauseLimit, true);
        }
        return;
    case kEventDeleteStep:
        if (DeleteRow(buffer_, row)) {
            StoreSteps();
            ShowSteps(menuRow_);
        }
        return;
    default:
        break;
    }
    if (const std::optional<MouseStepChoice> step = MouseStepOfCommand(command)) {
        if (InsertMouseStep(buffer_, row, step->code, step->kind)) {
            StoreSteps();
            ShowSteps(-1);
        }
    }
}

void CAdvanceSettingPage::AcceptPauseEdit(int row) {
    const uint16_t pause = ClampEditedPause(ParseFieldNumber(eventList_.Text(row)));
    if (SetPauseOfRow(buffer_, pauseRow_, pause))
        StoreSteps();
    pauseRow_ = 0;
    ShowSteps(row);
}

// ---- the reset ----

void CAdvanceSettingPage::ResetProfiles() {
    CWarnDlg warning(Warning::Reset);
    if (warning.DoModal(GetAncestor(Hwnd(), GA_ROOT)) != 1 || !host_.working)
        return;
    // The warning says a backup is made first: without one, no reset.
    if (host_.backUpBeforeReset && !host_.backUpBeforeReset())
        return;
    ResetAllProfiles(*host_.working);
    host_.working->CurrentProfile = 0;
    if (host_.profilesReset)
        host_.profilesReset();
}

// ---- messages ----

LRESULT CAdvanceSettingPage::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kMsgCapturedKey) {
        TakeCapturedKey(static_cast<int>(wp), (lp & kCapturedKeyUp) != 0);
        return 0;
    }
    return CSkinnedPage::OnMessage(msg, wp, lp);
}

void CAdvanceSettingPage::OnDestroy() {
    // The keyboard must never stay captured without a window to stop it.
    StopRecording();
    RemoveKeyHookOf(Hwnd());
    // The system keeps no double-click time that no file holds.
    if (doubleClickChanged_ && host_.applied) {
        if (const ProfileRecord* applied = host_.applied->ActiveProfile();
            applied && applied->DbleClickSpeed > 0)
            SetDoubleClickTime(static_cast<UINT>(applied->DbleClickSpeed));
    }
    CSkinnedPage::OnDestroy();
}

} // namespace mervik::ui
