#pragma once
// Option's main window: the two pages, the row of skinned buttons, and the
// two copies of the settings (the one being edited and the one last
// exchanged with Monitor).
#include <memory>
#include <optional>
#include <vector>

#include "macros/MacroFile.h"
#include "macros/MacroList.h"
#include "settings/OsdSettings.h"
#include "settings/SharedSettingsBlock.h"
#include "settings/UiLanguage.h"
#include "ui/core/MonitorFollow.h"
#include "ui/core/SettingsStatus.h"
#include "ui/win32/controls/CRgnButton.h"
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/controls/DeferredControls.h"
#include "ui/win32/keyboard/DialogKeyboard.h"
#include "ui/win32/main/BlockHandOver.h"
#include "ui/win32/main/CProfileStrip.h"
#include "ui/win32/main/CStatusArea.h"
#include "ui/win32/main/OptionSaves.h"
#include "ui/win32/main/PeerWindow.h"
#include "ui/win32/pages/CAdvanceSettingPage.h"
#include "ui/win32/pages/CButtonPage.h"
#include "ui/win32/skin/CSkinnedDialog.h"
#include "win32/SharedBlockLinkWin32.h"

namespace mervik::ui {

class COptionDlg : public CSkinnedDialog, public ArrowGroupOwner {
public:
    // `startPage` 0 or 1: the page shown first.
    explicit COptionDlg(int startPage = 0);
    ~COptionDlg() override;

    // What DoModal returns when an Apply changed the language the windows
    // speak: the program opens its window again, in that language, on the
    // page CurrentPage() says.
    static constexpr INT_PTR kReopenInLanguage = 3;
    int CurrentPage() const { return currentIndex_; }

    SharedSettingsBlock& Working() { return *working_; }
    MacroList& Macros() { return macros_; }
    void Apply();
    void ShowPage(int index);
    void RefreshPages();
    // The page tabs and the profiles.
    std::vector<std::vector<HWND>> ArrowGroups() const override;

protected:
    DWORD WindowStyle() const override;
    DWORD WindowExStyle() const override { return WS_EX_APPWINDOW; }
    LRESULT OnCreate() override;
    std::string FailedSkinFile() const override {
        return failedSkin_.empty() ? SkinFileName() : failedSkin_;
    }
    void OnInitDialog() override;
    void ReadAhead(int percent) override;
    void PlaceControls(const SkinFile& skin, const SharedSkinImages& pictures) override;
    void DrawOverBackground(HDC dc) override { deferred_.DrawPressed(dc); }
    void OnPaint(HDC dc, const PAINTSTRUCT& ps) override;
    LRESULT OnTimer(UINT_PTR id) override;
    LRESULT OnSysCommand(UINT command) override;
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void AfterDispatch(const MSG& msg) override;
    void OnDestroy() override;

private:
    std::string failedSkin_; // a page's skin that could not make its window
    void CreateControls();
    void ConnectControls();
    bool CreatePage(CSkinnedPage& page);
    void FinishStartUp();
    // The controls of the window and both pages, page 1's window made.
    void MakeParts();
    bool Rescale(int percent, const RECT& place) override;
    void ReadAllStatePictures();
    void LoadSettings();
    void CheckDevice();
    void BeginWaiting();
    void EndWaiting();
    void EnableApplyButtons(bool enable);
    void FollowMonitor(MonitorNews news);
    FailureTexts SaveMacroFile();
    // Monitor has or has not been told of Apply's settings (BlockHandOver).
    void HandedOver(BlockHandOver::Outcome outcome);
    void RetryHandOver();
    // What open entries and typed fields hold, taken into the working copy.
    void CommitEdits();
    // A close Option did not ask for (the setup replacing its files): the
    // unapplied edits are kept beside the settings for the next start.
    void KeepEditsForNextStart();
    void ShowStartNotes();
    // The status area: edits not yet applied, and what Monitor last said.
    void AskMonitorForStatus();
    void SendAgain();
    void ShowStatus();
    // The language menu, and the choice it holds until Apply.
    void ChooseLanguage();
    bool LanguageEdited() const { return languageEdit_ != languageSaved_; }
    void SaveLanguage(FailureTexts& failures);
    void ReopenInLanguage();
    // Export and Import of the chosen profile.
    void ExportChosenProfile();
    void ImportIntoChosenProfile();

    // The window's controls and pages, drawn at one scale of the skin: made
    // anew when the window takes another (Rescale). The settings they show
    // live in the copies below, never in them.
    struct Parts {
        CSkinButton tabs[2];
        CRgnButton ok, cancel, apply;
        CSkinButton minimise, close, web, language;
        CProfileStrip strip;
        CSkinButton exportProfile, importProfile;
        CStatusArea statusArea;
        CButtonPage page1;
        CAdvanceSettingPage page2;
    };

    HICON icon_ = nullptr;
    DeferredControls deferred_;
    std::unique_ptr<Parts> parts_ = std::make_unique<Parts>();
    PeerWindow peer_;
    RECT pageRect_{};
    CSkinnedPage* currentPage_ = nullptr;
    int currentIndex_ = 0;
    int startPage_ = 0;
    LanguageChoice languageSaved_ = LanguageChoice::System; // config.ini's
    LanguageChoice languageEdit_ = LanguageChoice::System;
    bool reopenInLanguage_ = false; // once the block owed to Monitor is handed over

    win::SharedBlockLink link_;
    BlockHandOver handOver_{link_, nullptr};
    std::unique_ptr<SharedSettingsBlock> working_;
    std::unique_ptr<SharedSettingsBlock> applied_;
    // The working copy as it was with nothing edited: Apply and Monitor's
    // news move it; the desktop's pointer values read in at start do not
    // count as the user's edits.
    std::unique_ptr<SharedSettingsBlock> unedited_;
    // The on-screen display's record as the page edits it, and as saved.
    OsdSettings display_;
    OsdSettings displaySaved_;
    SettingsStatus status_;
    std::optional<StatusView> shownStatus_;
    MacroList macros_;
    // Where the list is saved; until it is read, nowhere, so closing never
    // writes an empty list over the file.
    MacroSource macroSource_;
    // What the user is told once the window is up.
    std::vector<unsigned> startNotes_;
    // OK, Cancel, the close button or the system menu: the user's own close.
    bool closeAskedByUser_ = false;
    bool painted_ = false;
    bool startUpFinished_ = false;
    bool waiting_ = false;
    HWND monitorWindow_ = nullptr;
};

} // namespace mervik::ui
