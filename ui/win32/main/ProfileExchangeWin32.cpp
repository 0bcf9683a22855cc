#include "ui/win32/main/ProfileExchangeWin32.h"

#include <ctime>
#include <optional>

#include "exchange/ProfileImport.h"
#include "exchange/ProfileSharingFile.h"
#include "exchange/SettingsBackup.h"
#include "lang/TextIds.h"
#include "settings/AtomicFileWrite.h"
#include "settings/FileAccess.h"
#include "settings/ProfileIdentity.h"
#include "settings/StoredText.h"
#include "ui/core/ProfileExchangeTexts.h"
#include "ui/win32/main/OptionSaves.h"
#include "ui/win32/main/ProfileFileChooser.h"
#include "ui/win32/main/ProgramWide.h"
#include "ui/win32/main/WarningBox.h"
#include "win32/AnsiText.h"

namespace mervik::ui {

namespace {

void Trace(const std::string& line) {
    OutputDebugStringA(("Option: " + line + "\n").c_str());
}

} // namespace

void ExportProfile(HWND owner, const SharedSettingsBlock& working, int index) {
    const ProfileRecord& profile = working.Profiles[index];
    const std::optional<std::string> path =
        ChooseProfileFile(owner, ChooserPurpose::Export, SharingFileName(ProfileName(profile)));
    if (!path)
        return;
    if (!WriteFileAtomically(*path, WriteProfileSharingFile(profile)))
        ShowFailures(owner, {kTextExportFailed});
}

bool ImportProfile(HWND owner, SharedSettingsBlock& working, int index, MacroList& macros,
                   bool macrosSavable) {
    const std::optional<std::string> path = ChooseProfileFile(owner, ChooserPurpose::Import, {});
    if (!path)
        return false;
    const FileContent file = ReadWholeFile(*path, kMaxProfileSharingFileBytes);
    if (file.status != FileStatus::Ok) {
        ShowFailures(owner, {kTextImportUnreadable});
        return false;
    }
    // Its macros would be lost with a list that is never saved.
    if (!macrosSavable) {
        ShowFailures(owner, {kTextImportNoMacroFile});
        return false;
    }
    std::string error;
    std::optional<ImportPlan> plan = PlanProfileImport(file.bytes, index, macros, error);
    if (!plan) {
        Trace(*path + " refused: " + error);
        ShowFailures(owner, {kTextImportRefused});
        return false;
    }
    for (const std::string& note : plan->notes)
        Trace(*path + ": " + note);
    const TextLookup texts = [](unsigned id) { return Program().language.Text(id); };
    const std::string question = ImportQuestion(
        texts, index, ShownFromStored(ProfileName(working.Profiles[index])),
        ShownFromStored(ProfileName(*plan->profile)), plan->added.size(), plan->mended);
    if (!AskOkCancel(owner, win::Widen(question)))
        return false;
    ApplyProfileImport(*plan, working, index, macros);
    return true;
}

bool BackUpBeforeReset(HWND owner, const std::string& programFolder) {
    std::string error;
    const std::optional<std::string> backup = MakeBackup(programFolder, error);
    const std::string path = ResetBackupPath(programFolder, std::time(nullptr));
    if (backup && WriteFileAtomically(path, *backup)) {
        Trace("settings backed up to " + path);
        return true;
    }
    Trace("no backup before the reset: " + (backup ? "could not write " + path : error));
    ShowFailures(owner, {kTextResetBackupFailed});
    return false;
}

} // namespace mervik::ui
