#include "ui/win32/main/OptionSaves.h"

#include "lang/TextIds.h"
#include "macros/MacroFile.h"
#include "settings/SettingsFiles.h"
#include "ui/win32/main/ProgramWide.h"

namespace mervik::ui {

FailureTexts SaveApplied(const SharedSettingsBlock& image, const std::string& programFolder,
                         RegistryStore& registry, win::SharedBlockLink& link) {
    FailureTexts failures;
    if (!SaveAll(image, programFolder, &registry))
        failures.push_back(kTextSettingsNotSaved);
    if (link.Attached() && !link.Write(image))
        failures.push_back(kTextBlockNotWritten);
    return failures;
}

FailureTexts SaveMacros(const std::string& path, const MacroList& list) {
    if (path.empty())
        return list.Empty() ? FailureTexts{} : FailureTexts{kTextMacrosNotSaved};
    if (!SaveMacroFile(path, list))
        return {kTextMacrosNotSaved};
    return {};
}

void ShowFailures(HWND owner, const FailureTexts& texts) {
    for (unsigned id : texts)
        MessageBoxW(owner, Program().language.WideText(id).c_str(), ReadableTitle().c_str(),
                    MB_OK | MB_ICONWARNING);
}

} // namespace mervik::ui
