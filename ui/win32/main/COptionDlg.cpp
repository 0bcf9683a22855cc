#include "ui/win32/main/COptionDlg.h"

#include <shellapi.h>

#include <cstring>
#include <optional>
#include <utility>

#include "contract/MouseStatus.h"
#include "contract/ProgramMessages.h"
#include "lang/TextIds.h"
#include "macros/MacroFile.h"
#include "settings/ConfigFile.h"
#include "settings/FilePaths.h"
#include "settings/PointerSettings.h"
#include "settings/ProfileCheck.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "settings/win32/RegistryStoreWin32.h"
#include "ui/core/LanguageMenu.h"
#include "ui/core/MonitorFollow.h"
#include "ui/core/SkinControls.h"
#include "ui/core/UnappliedEdits.h"
#include "ui/win32/controls/CSkinMenu.h"
#include "ui/win32/controls/PlaceButton.h"
#include "ui/win32/dialogs/CWarnDlg.h"
#include "ui/win32/main/FirstPaintSignal.h"
#include "ui/win32/main/OptionLanguage.h"
#include "ui/win32/main/OptionSaves.h"
#include "ui/win32/main/ProfileExchangeWin32.h"
#include "ui/win32/main/ProgramWide.h"
#include "ui/win32/main/ResourceIds.h"
#include "ui/win32/main/WarningBox.h"
#include "ui/win32/skin/PicturePrefetch.h"
#include "ui/win32/skin/SkinFailure.h"
#include "ui/win32/skin/SkinFolder.h"

namespace mervik::ui {
namespace {

// What loading found wrong and mended, for the debugger output.
void TraceNotes(const LoadNotes& notes) {
    for (const std::string& note : notes)
        OutputDebugStringA(("Option: " + note + "\n").c_str());
}

// The title the taskbar and Alt+Tab show, as UTF-16 so that it reads in any
// code page; the caption peers find is the peer window's.
void SetReadableTitle(HWND window) {
    SetWindowTextW(window, ReadableTitle().c_str());
}

constexpr UINT_PTR kDeviceCheckTimer = 1;
constexpr UINT kDeviceCheckDelayMs = 1;
// Posted from the first paint: what the first look of the window does not need.
constexpr UINT kMsgFinishStartUp = WM_APP + 1;
// Once start-up is done and the queue is quiet (timers come after input):
// the state pictures no face needed yet.
constexpr UINT_PTR kReadPicturesTimer = 3;
// While waiting for Monitor's answer, how often to check it is still there.
constexpr UINT_PTR kMonitorWatchTimer = 2;
constexpr UINT kMonitorWatchMs = 500;
constexpr char kRegionButtonMask[] = "rgnbutton_mask.bmp";
constexpr char kMakerWebSite[] = "https://mervik.example/";
enum ButtonKey { kTab1 = 1, kTab2, kOk, kCancel, kApply, kMinimise, kClose, kWeb, kPageArea };
// After the profile strip's keys, optional like them.
enum StatusKey { kStatusArea = 17, kStatusRetry, kLanguage };
// Posted by an Apply that changed the language the windows speak.
constexpr UINT kMsgReopenInLanguage = WM_APP + 2;
constexpr int kLanguageMenuWidth = 140;
// After the language's key, optional like it.
enum ExchangeKey { kExportProfile = 20, kImportProfile };

bool SameImage(const SharedSettingsBlock& a, const SharedSettingsBlock& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Messages after which nothing the user sees as a setting has changed.
bool ChangesNothing(UINT message) {
    return message == WM_PAINT || message == WM_TIMER || message == WM_MOUSEMOVE ||
           message == WM_NCMOUSEMOVE || message == WM_MOUSELEAVE || message == WM_SETCURSOR;
}

} // namespace

COptionDlg::COptionDlg(int startPage)
    : CSkinnedDialog("skin_main.ini"), startPage_(startPage),
      working_(std::make_unique<SharedSettingsBlock>()),
      applied_(std::make_unique<SharedSettingsBlock>()),
      unedited_(std::make_unique<SharedSettingsBlock>()) {
    CreateImage(*working_);
    CreateImage(*applied_);
    CreateImage(*unedited_);
}

COptionDlg::~COptionDlg() {
    Destroy();
}

DWORD COptionDlg::WindowStyle() const {
    return WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
}

LRESULT COptionDlg::OnCreate() {
    ProgramWide& program = Program();
    program.language.Load(program.folder);
    languageSaved_ = languageEdit_ = ReadLanguageChoice(ConfigFilePath(program.folder));
    SpeakLanguage(win::ResolveHere(languageSaved_));
    if (!SetUpSkin() || !CreatePage(parts_->page1))
        return -1;
    ShowWindow(parts_->page1.Hwnd(), SW_SHOW);
    currentPage_ = &parts_->page1;
    currentIndex_ = 0;
    // The controls, page 2 and the macro list come right after the first
    // paint. Timers wait behind posted messages, so the device check still
    // finds them all.
    SetTimer(Hwnd(), kDeviceCheckTimer, kDeviceCheckDelayMs, nullptr);
    return 0;
}

// The first paint shows page 1 and the pressed tab's Down face too: they are
// read on other cores while the window reads its own pictures.
void COptionDlg::ReadAhead(int percent) {
    const SkinFile page(parts_->page1.SkinFileName(), percent);
    PrefetchPicture(page.PicturePath("Normal"));
    PrefetchPicture(page.PicturePath("Mask"));
    PrefetchPicture(SkinFile(SkinFileName(), percent).PicturePath("Down"));
}

void COptionDlg::PlaceControls(const SkinFile& skin, const SharedSkinImages& pictures) {
    // The profile strip's keys come last; a skin made before them lacks them.
    deferred_.Keep(skin, pictures, kTab1, skin_controls::kMain);
    pageRect_ = ToRect(skin.Pos(kPageArea).rect);
}

void COptionDlg::CreateControls() {
    deferred_.Create(Hwnd(), [this] {
        const SharedSkinImages& pictures = deferred_.Pictures();
        PlaceSkinButton(parts_->tabs[0], Hwnd(), deferred_.Place(kTab1), pictures);
        PlaceSkinButton(parts_->tabs[1], Hwnd(), deferred_.Place(kTab2), pictures);
        for (CSkinButton& tab : parts_->tabs)
            tab.SetRole(AccessibleRole::PageTab);
        const std::string mask = SkinVariantDir() + kRegionButtonMask;
        CRgnButton* regionButtons[] = {&parts_->ok, &parts_->cancel, &parts_->apply};
        for (int i = 0; i < 3; ++i) {
            const ButtonPos& pos = deferred_.Place(kOk + i);
            RECT rect = ToRect(pos.rect);
            if (regionButtons[i]->Create(rect, Hwnd(), mask)) {
                regionButtons[i]->SetFaces(ButtonFaces(pictures, rect));
                regionButtons[i]->SetTooltip(pos.tooltip);
                regionButtons[i]->SetAccessKey(pos.accessKey);
                regionButtons[i]->SetLabel(pos.label);
            }
        }
        PlaceSkinButton(parts_->minimise, Hwnd(), deferred_.Place(kMinimise), pictures);
        PlaceSkinButton(parts_->close, Hwnd(), deferred_.Place(kClose), pictures);
        PlaceSkinButton(parts_->web, Hwnd(), deferred_.Place(kWeb), pictures);
        parts_->strip.Create(*this, deferred_, skin_controls::kMainFirstOptional, *working_);
        parts_->statusArea.Create(Hwnd(), deferred_, kStatusArea, kStatusRetry);
        if (const ButtonPos& place = deferred_.Place(kLanguage); !place.rect.IsEmpty()) {
            PlaceSkinButton(parts_->language, Hwnd(), place, pictures);
            parts_->language.SetOpensMenu(true);
            parts_->language.SetValue(Program().language.Text(LanguageChoiceText(languageEdit_)));
        }
        const std::pair<CSkinButton*, int> exchange[] = {{&parts_->exportProfile, kExportProfile},
                                                         {&parts_->importProfile, kImportProfile}};
        for (const auto& [button, key] : exchange) {
            const ButtonPos& place = deferred_.Place(key);
            if (place.rect.IsEmpty() || !PlaceSkinButton(*button, Hwnd(), place, pictures))
                continue;
            button->SetCaptionCentred(true);
            button->SetCaption(Program().language.Text(key == kExportProfile ? kTextExportProfile
                                                                             : kTextImportProfile));
        }
        ConnectControls();
    });
    parts_->strip.Refresh(*working_);
    shownStatus_.reset(); // the area is new
    ShowStatus();
    parts_->tabs[currentIndex_].SetPressed(true);
}

std::vector<std::vector<HWND>> COptionDlg::ArrowGroups() const {
    return {{parts_->tabs[0].Hwnd(), parts_->tabs[1].Hwnd()}, parts_->strip.ProfileWindows()};
}

void COptionDlg::ConnectControls() {
    parts_->tabs[0].onClick = [this] { ShowPage(0); };
    parts_->tabs[1].onClick = [this] { ShowPage(1); };
    parts_->ok.onClick = [this] {
        Apply();
        closeAskedByUser_ = true;
        PostMessageA(Hwnd(), WM_CLOSE, 0, 0);
    };
    parts_->apply.onClick = [this] { Apply(); };
    parts_->cancel.onClick = parts_->close.onClick = [this] {
        closeAskedByUser_ = true;
        PostMessageA(Hwnd(), WM_CLOSE, 0, 0);
    };
    parts_->minimise.onClick = [this] { ShowWindow(Hwnd(), SW_MINIMIZE); };
    parts_->web.onClick = [this] {
        ShellExecuteA(Hwnd(), "open", kMakerWebSite, nullptr, nullptr, SW_SHOWNORMAL);
    };
    parts_->strip.onProfileChosen = [this] { RefreshPages(); };
    parts_->language.onClick = [this] { ChooseLanguage(); };
    parts_->statusArea.onRetry = [this] { SendAgain(); };
    parts_->exportProfile.onClick = [this] { ExportChosenProfile(); };
    parts_->importProfile.onClick = [this] { ImportIntoChosenProfile(); };
}

void COptionDlg::ExportChosenProfile() {
    if (working_->HasActiveProfile())
        ExportProfile(Hwnd(), *working_, working_->CurrentProfile);
}

void COptionDlg::ImportIntoChosenProfile() {
    if (!working_->HasActiveProfile() || !ImportProfile(Hwnd(), *working_, working_->CurrentProfile,
                                                        macros_, !macroSource_.savePath.empty()))
        return;
    RefreshPages();
    parts_->page2.ReloadMacros();
}

bool COptionDlg::CreatePage(CSkinnedPage& page) {
    page.SetSkinScale(SkinScale()); // the page area is the main window's, at its scale
    if (!page.Create(Hwnd())) {
        failedSkin_ = page.SkinFileName();
        // Page 2 comes after the first paint, with the main window up.
        if (IsWindowVisible(Hwnd()))
            ReportSkinFailure(Hwnd(), failedSkin_);
        return false;
    }
    SetWindowPos(page.Hwnd(), nullptr, pageRect_.left, pageRect_.top,
                 pageRect_.right - pageRect_.left, pageRect_.bottom - pageRect_.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

// Made before the first paint, the controls (more than a hundred on page 1)
// would delay the first look of the window by a quarter of a second under
// Wine; the pictures already show them, and page 2 is hidden until its tab
// is pressed. Input waits behind posted messages, so no click reaches the
// window before its controls exist.
void COptionDlg::FinishStartUp() {
    if (startUpFinished_)
        return;
    startUpFinished_ = true;
    // Anything of the first look still unpainted is painted now, so the
    // signal means the window looks complete on the screen.
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SignalFirstPaint();
    LoadNotes notes;
    macroSource_ = LoadOptionMacros(Program().folder, macros_, &notes, working_.get());
    TraceNotes(notes);
    if (macroSource_.macroFile == MacroFileRead::Unreadable)
        startNotes_.push_back(macroSource_.savePath.empty() ? kTextMacroFilesUnreadable
                                                            : kTextMacroFileUnreadable);
    MakeParts();
    if (startPage_ == 1)
        ShowPage(1);
    SetTimer(Hwnd(), kReadPicturesTimer, 1, nullptr);
}

void COptionDlg::MakeParts() {
    CreateControls();
    const TextLookup texts = [](unsigned id) { return Program().language.Text(id); };
    parts_->page1.Bind(ButtonPageHost{working_.get(), &macros_, texts});
    parts_->page1.CreateControls();
    parts_->page1.Refresh(*working_);
    parts_->page2.Bind(
        AdvancePageHost{working_.get(), applied_.get(), &macros_, &display_, texts,
                        [this] { parts_->page1.Refresh(*working_); },
                        [this] {
                            RefreshPages();
                            Apply();
                        },
                        [this](unsigned textId) { ShowFailures(Hwnd(), {textId}); },
                        [this] { return BackUpBeforeReset(Hwnd(), Program().folder); }});
    if (!CreatePage(parts_->page2))
        return;
    parts_->page2.CreateControls();
    parts_->page2.Refresh(*working_);
}

// Another DPI (WM_DPICHANGED): the window and its pages take the skin's
// variant at `percent`, and every control is made anew at that scale. What
// the controls held goes into the copies first, so no edit is lost; the page
// shown, the profile, the macro selected and what the status area says stay.
bool COptionDlg::Rescale(int percent, const RECT& place) {
    CommitEdits();
    HWND focus = GetFocus();
    const bool focusHere = focus && (focus == Hwnd() || IsChild(Hwnd(), focus));
    CAdvanceSettingPage& oldPage2 = parts_->page2;
    oldPage2.StopRecording(); // as leaving the page does; the steps taken stay
    const int page = currentIndex_;
    const int macro = oldPage2.SelectedMacro();
    const bool feltDoubleClick = oldPage2.FeelsDoubleClick();
    if (!SetUpSkinAt(percent, place))
        return false;
    parts_.reset(); // the old controls go before the new ones come
    parts_ = std::make_unique<Parts>();
    currentPage_ = nullptr;
    if (!CreatePage(parts_->page1)) {
        ReportSkinFailure(Hwnd(), failedSkin_);
        PostMessageA(Hwnd(), WM_CLOSE, 0, 0); // the edits are kept for the next start
        return true;
    }
    ShowWindow(parts_->page1.Hwnd(), SW_SHOW);
    currentPage_ = &parts_->page1;
    currentIndex_ = 0;
    if (startUpFinished_) {
        MakeParts();
        ShowPage(page);
        parts_->page2.SelectMacro(macro);
        if (feltDoubleClick)
            parts_->page2.FeelShownDoubleClick();
        if (waiting_)
            EnableApplyButtons(false);
        SetTimer(Hwnd(), kReadPicturesTimer, 1, nullptr);
    }
    if (focusHere)
        SetFocus(Hwnd()); // the focused control is gone; Tab starts again
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return true;
}

void COptionDlg::ReadAllStatePictures() {
    KillTimer(Hwnd(), kReadPicturesTimer);
    CSkinnedWindow::ReadStatePictures();
    parts_->page1.ReadStatePictures();
    parts_->page2.ReadStatePictures();
}

void COptionDlg::OnInitDialog() {
    handOver_.SetOwner(Hwnd());
    HINSTANCE instance = GetModuleHandleA(nullptr);
    icon_ = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIconId));
    SendMessageA(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    Program().mainWindow = Hwnd();
    SetReadableTitle(Hwnd());
    if (!peer_.Create(Hwnd()))
        OutputDebugStringA("Option: no window for Monitor and the setup program to find\n");
    LoadSettings();
    RefreshPages();
}

void COptionDlg::LoadSettings() {
    const std::string& folder = Program().folder;
    CreateImage(*applied_);
    win::SharedBlockLink::Attach attach = link_.Open();
    if (attach == win::SharedBlockLink::Attach::ViewFailed)
        ShowFailures(Hwnd(), {kTextBlockNotOpened});
    Win32RegistryStore registry;
    // Monitor's block when it can be copied, the files otherwise.
    LoadNotes notes;
    const bool fromBlock = link_.Attached() && link_.Read(*applied_);
    if (!fromBlock) {
        // A profile file that cannot be read already got its defaults; the
        // others keep what they loaded.
        LoadAll(*applied_, folder, &registry, &notes);
    }
    *working_ = *applied_;
    if (fromBlock && working_->ActiveProfile())
        ReadPointerSettings(*working_->ActiveProfile(), registry);
    // The block and the registry are outside data too: the profiles pass the
    // files' check before the pages show them or Apply saves them.
    for (SharedSettingsBlock* image : {applied_.get(), working_.get()})
        for (std::string& note : CheckImageProfiles(*image))
            notes.push_back(std::move(note));
    *unedited_ = *working_;
    display_ = displaySaved_ = LoadDisplayRecord(folder);
    // Edits an update's close left are offered again, still unapplied.
    if (TakeUnappliedEdits(folder, *working_, &notes) == KeptEdits::Taken)
        startNotes_.push_back(kTextEditsRecovered);
    TraceNotes(notes);
    AskMonitorForStatus();
}

// Once the window and its controls are up, so the notes stand over what
// they speak of.
void COptionDlg::ShowStartNotes() {
    ShowFailures(Hwnd(), std::exchange(startNotes_, {}));
}

// Monitor answers with the mouse's status; without Monitor the settings go to
// the files only.
void COptionDlg::AskMonitorForStatus() {
    HWND monitor = FindWindowA(nullptr, kMonitorCaption);
    status_.MonitorFound(monitor && PostMessageA(monitor, kMsgAskMouseStatus, 0, 0));
}

void COptionDlg::SendAgain() {
    HWND monitor = FindWindowA(nullptr, kMonitorCaption);
    status_.MonitorFound(monitor && PostMessageA(monitor, kMsgSendAgain, 0, 0));
    ShowStatus();
}

// Runs after most messages: the texts are looked up only when what the area
// says changes.
void COptionDlg::ShowStatus() {
    status_.SetEdited(!SameImage(*working_, *unedited_) || display_ != displaySaved_ ||
                      LanguageEdited());
    const StatusView view = status_.View();
    if (shownStatus_ && *shownStatus_ == view)
        return;
    shownStatus_ = view;
    const TextLookup texts = [](unsigned id) { return Program().language.Text(id); };
    parts_->statusArea.Show(view, StatusText(view, texts), texts(kTextStatusRetry));
}

void COptionDlg::AfterDispatch(const MSG& msg) {
    if (!ChangesNothing(msg.message))
        ShowStatus();
}

void COptionDlg::RefreshPages() {
    parts_->page1.Refresh(*working_);
    parts_->page2.Refresh(*working_);
    parts_->strip.Refresh(*working_);
}

void COptionDlg::OnPaint(HDC dc, const PAINTSTRUCT& ps) {
    if (!painted_) {
        painted_ = true;
        PostMessageA(Hwnd(), kMsgFinishStartUp, 0, 0);
    }
    if (!IsIconic(Hwnd())) {
        CSkinnedWindow::OnPaint(dc, ps);
        return;
    }
    RECT client;
    GetClientRect(Hwnd(), &client);
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
}

void COptionDlg::ShowPage(int index) {
    CommitEdits();
    // One capture at a time, and it serves the page in view: a recording
    // ends as Stop ends it, before page 1's key dialogs can be opened.
    if (index == 0)
        parts_->page2.StopRecording();
    parts_->tabs[index].SetPressed(true);
    parts_->tabs[1 - index].SetPressed(false);
    currentIndex_ = index;
    CSkinnedPage* page = index == 0 ? static_cast<CSkinnedPage*>(&parts_->page1) : &parts_->page2;
    if (page == currentPage_)
        return;
    ShowWindow(currentPage_->Hwnd(), SW_HIDE);
    ShowWindow(page->Hwnd(), SW_SHOW);
    currentPage_ = page;
}

void COptionDlg::EnableApplyButtons(bool enable) {
    for (HWND button : {parts_->ok.Hwnd(), parts_->apply.Hwnd()}) {
        if (!button) // Monitor's message came before the controls were made
            continue;
        EnableWindow(button, enable);
        InvalidateRect(button, nullptr, FALSE);
        UpdateWindow(button);
    }
}

FailureTexts COptionDlg::SaveMacroFile() {
    return SaveMacros(macroSource_.savePath, macros_);
}

void COptionDlg::CommitEdits() {
    parts_->strip.CommitRename();
    parts_->page2.CommitEdits();
}

void COptionDlg::KeepEditsForNextStart() {
    CommitEdits();
    if (SameImage(*working_, *unedited_))
        return;
    if (!KeepUnappliedEdits(Program().folder, *unedited_, *working_))
        ShowFailures(nullptr, {kTextEditsNotKept});
}

// The files first, then Monitor: the block and 1224. A block another program
// holds is handed over later (timer 504); OK and Apply come back at once.
void COptionDlg::Apply() {
    CommitEdits();
    SetCapture(Hwnd());
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    EnableApplyButtons(false);
    Win32RegistryStore registry;
    const int macrosBefore = macros_.Count();
    FailureTexts failures =
        SaveAppliedFiles(*working_, Program().folder, registry, macros_, macroSource_.savePath);
    // Macros another program added to the file meanwhile join the page's list.
    if (macros_.Count() != macrosBefore)
        parts_->page2.ReloadMacros();
    // Before Monitor is woken: it reads the record and the language again for
    // this Apply. With the save lock refused nothing of this Apply is saved,
    // the record and the language neither.
    if (failures != FailureTexts{kTextFilesBusy}) {
        FailureTexts displayFailures = SaveDisplayRecord(Program().folder, display_, displaySaved_);
        failures.insert(failures.end(), displayFailures.begin(), displayFailures.end());
        SaveLanguage(failures);
    }
    *applied_ = *working_;
    *unedited_ = *working_;
    const BlockHandOver::Outcome outcome = handOver_.HandOver(*applied_);
    if (outcome == BlockHandOver::Outcome::Owed)
        failures.push_back(kTextBlockBusy);
    HandedOver(outcome);
    if (monitorWindow_)
        BeginWaiting();
    else
        EndWaiting();
    ShowFailures(Hwnd(), failures);
}

void COptionDlg::HandedOver(BlockHandOver::Outcome outcome) {
    monitorWindow_ = handOver_.Monitor(); // none while owed
    if (outcome == BlockHandOver::Outcome::Owed)
        return;
    status_.MonitorFound(monitorWindow_ != nullptr);
    if (monitorWindow_)
        status_.ApplyPosted();
    ShowStatus();
}

// Monitor's answer ends the wait as after any Apply; OK and Apply stay usable
// meanwhile.
void COptionDlg::RetryHandOver() {
    BlockHandOver::Outcome outcome;
    if (handOver_.Retry(*applied_, outcome))
        HandedOver(outcome);
    if (reopenInLanguage_ && !handOver_.Owed())
        ReopenInLanguage();
}

// A window that still owes Monitor the block waits until it has handed it
// over: the new window would not know of the debt.
void COptionDlg::ReopenInLanguage() {
    reopenInLanguage_ = handOver_.Owed();
    if (!reopenInLanguage_)
        EndDialog(kReopenInLanguage);
}

void COptionDlg::ChooseLanguage() {
    CSkinMenu menu(kLanguageMenuWidth, SkinScale());
    for (const LanguageMenuItem& item : LanguageMenu(languageEdit_))
        menu.AppendItem(item.command, Program().language.Text(item.text), item.marked);
    RECT below;
    GetWindowRect(parts_->language.Hwnd(), &below);
    const std::optional<LanguageChoice> chosen =
        LanguageOfCommand(menu.Track(Hwnd(), POINT{below.left, below.bottom}));
    if (!chosen)
        return;
    languageEdit_ = *chosen;
    parts_->language.SetValue(Program().language.Text(LanguageChoiceText(languageEdit_)));
    ShowStatus();
}

// The windows change language once the choice is saved: Option opens its
// window again (the settings are all applied by then), Monitor relabels its
// tray when Apply wakes it.
void COptionDlg::SaveLanguage(FailureTexts& failures) {
    if (!LanguageEdited())
        return;
    if (!WriteLanguageChoice(ConfigFilePath(Program().folder), languageEdit_)) {
        failures.push_back(kTextLanguageNotSaved);
        return;
    }
    languageSaved_ = languageEdit_;
    if (win::ResolveHere(languageSaved_) != Program().language.Language())
        PostMessageA(Hwnd(), kMsgReopenInLanguage, 0, 0);
}

void COptionDlg::BeginWaiting() {
    waiting_ = true;
    SetTimer(Hwnd(), kMonitorWatchTimer, kMonitorWatchMs, nullptr);
}

void COptionDlg::EndWaiting() {
    waiting_ = false;
    monitorWindow_ = nullptr;
    KillTimer(Hwnd(), kMonitorWatchTimer);
    // The wait is over before OK and Apply say so: whoever sees them enabled
    // also finds the window taking input again.
    if (GetCapture() == Hwnd())
        ReleaseCapture();
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    EnableApplyButtons(true);
}

void COptionDlg::CheckDevice() {
    KillTimer(Hwnd(), kDeviceCheckTimer);
    // Done already unless no paint came, as for a window started minimised.
    FinishStartUp();
    ShowStartNotes();
    if (ReadDevice(ConfigFilePath(Program().folder)) == 0) {
        CNoMouseWarnDlg warning;
        warning.DoModal(Hwnd());
    }
}

LRESULT COptionDlg::OnTimer(UINT_PTR id) {
    if (id == kDeviceCheckTimer)
        CheckDevice();
    else if (id == kReadPicturesTimer)
        ReadAllStatePictures();
    else if (id == BlockHandOver::kRetryTimer)
        RetryHandOver();
    else if (id == kMonitorWatchTimer && waiting_ && !IsWindow(monitorWindow_))
        EndWaiting(); // Monitor went away without answering
    return 0;
}

LRESULT COptionDlg::OnSysCommand(UINT command) {
    if (command == SC_MAXIMIZE || command == SC_MINIMIZE)
        return 0;
    if ((command & 0xFFF0) == SC_CLOSE)
        closeAskedByUser_ = true;
    return Default();
}

// Monitor wrote the block and says what it changed: its changes come in, the
// user's unapplied edits stay (MonitorFollow).
void COptionDlg::FollowMonitor(MonitorNews news) {
    auto fresh = std::make_unique<SharedSettingsBlock>();
    // Without a fresh block there is nothing newer than the edits on screen.
    if (link_.Read(*fresh)) {
        // The block is outside data, as at start-up.
        TraceNotes(CheckImageProfiles(*fresh));
        // The unedited copy follows by the same rule, so Monitor's values
        // never count as the user's edits.
        auto appliedBefore = std::make_unique<SharedSettingsBlock>(*applied_);
        ui::FollowMonitor(news, *unedited_, *appliedBefore, *fresh);
        ui::FollowMonitor(news, *working_, *applied_, *fresh);
        RefreshPages();
    }
    // A press on the mouse gives OK and Apply back even while Apply's answer
    // is awaited; only 1258 ends the wait.
    if (news == MonitorNews::MouseChangedLevel)
        EnableApplyButtons(true);
}

LRESULT COptionDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case kMsgDpiReadBack:
        FollowMonitor(MonitorNews::DpiReadBack);
        return 0;
    case kMsgProfileSwitched:
        FollowMonitor(wp == kBlockChangedElsewhere ? MonitorNews::BlockChanged
                                                   : MonitorNews::ProfileSwitched);
        return 0;
    case kMsgMouseChangedLevel:
        FollowMonitor(MonitorNews::MouseChangedLevel);
        return 0;
    case kMsgApplyDone:
        EndWaiting();
        status_.ApplyAnswered();
        return 0;
    case kMsgMouseStatus:
        if (std::optional<MouseStatus> status = DecodeMouseStatus(wp, lp))
            status_.OnMouseStatus(*status);
        return 0;
    case kMsgUploadProgress:
        if (std::optional<int> percent = DecodeUploadPercent(wp))
            status_.OnProgress(*percent);
        return 0;
    case kMsgFinishStartUp:
        FinishStartUp();
        return 0;
    case kMsgReopenInLanguage:
        // OK's Apply changed it too, but OK closes the window anyway.
        if (!closeAskedByUser_)
            ReopenInLanguage();
        return 0;
    case WM_CLOSE:
        if (!closeAskedByUser_)
            KeepEditsForNextStart();
        return Default();
    case WM_SETCURSOR:
        if (waiting_) {
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
            return TRUE;
        }
        return Default();
    default:
        return CSkinnedDialog::OnMessage(msg, wp, lp);
    }
}

void COptionDlg::OnDestroy() {
    KillTimer(Hwnd(), kDeviceCheckTimer);
    KillTimer(Hwnd(), kMonitorWatchTimer);
    KillTimer(Hwnd(), kReadPicturesTimer);
    // A recording still running ends first: the keyboard is freed and its
    // keys are in the macro that is saved, with a name still being typed.
    parts_->page2.StopRecording();
    if (!handOver_.LastTry(*applied_))
        OutputDebugStringA("Option: the block stayed held; Monitor keeps its settings\n");
    parts_->page2.CommitEdits();
    // The window is on its way out: the warning stands on its own.
    ShowFailures(nullptr, SaveMacroFile());
    parts_->strip.Destroy();
    parts_->statusArea.DestroyAll();
    parts_->page1.Destroy();
    parts_->page2.Destroy();
    link_.Close();
    CSkinnedDialog::OnDestroy();
    macros_.Clear();
    Program().language.Unload();
    Program().mainWindow = nullptr;
}

} // namespace mervik::ui
