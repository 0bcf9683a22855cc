#include "ui/win32/main/OptionSaves.h"

#include "lang/TextIds.h"
#include "macros/MacroFile.h"
#include "macros/MacrosAddedElsewhere.h"
#include "settings/ConfigFile.h"
#include "settings/FilePaths.h"
#include "settings/FileSystem.h"
#include "settings/SettingsFiles.h"
#include "ui/win32/main/ProgramWide.h"
#include "ui/win32/main/WarningBox.h"

namespace mervik::ui {

FailureTexts SaveAppliedFiles(const SharedSettingsBlock& image, const std::string& programFolder,
                              RegistryStore& registry, MacroList& list,
                              const std::string& macroPath) {
    fs::SaveLock lock;
    if (!lock.Held())
        return {kTextFilesBusy};
    FailureTexts failures;
    if (!SaveAll(image, programFolder, &registry))
        failures.push_back(kTextSettingsNotSaved);
    for (unsigned text : SaveMacros(macroPath, list))
        failures.push_back(text);
    return failures;
}

FailureTexts SaveMacros(const std::string& path, MacroList& list) {
    if (path.empty())
        return list.Empty() ? FailureTexts{} : FailureTexts{kTextMacrosNotSaved};
    AdoptMacrosAddedElsewhere(path, list);
    if (!SaveMacroFile(path, list))
        return {kTextMacrosNotSaved};
    return {};
}

OsdSettings LoadDisplayRecord(const std::string& programFolder) {
    OsdSettings record;
    if (!ReadOsdSettings(ConfigFilePath(programFolder), record))
        record = DefaultOsdSettings();
    return record;
}

FailureTexts SaveDisplayRecord(const std::string& programFolder, const OsdSettings& record,
                               OsdSettings& saved) {
    if (record == saved)
        return {};
    if (!WriteOsdSettings(ConfigFilePath(programFolder), record))
        return {kTextDisplayNotSaved};
    saved = record;
    return {};
}

void ShowFailures(HWND owner, const FailureTexts& texts) {
    for (unsigned id : texts)
        ShowWarning(owner, Program().language.WideText(id), MB_ICONWARNING);
}

} // namespace mervik::ui
