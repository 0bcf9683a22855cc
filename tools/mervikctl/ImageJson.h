#pragma once
// The settings image, the configuration values and the macro list as JSON,
// every profile field under its profile-file key.
#include <ostream>

#include "macros/MacroList.h"
#include "settings/SharedSettingsBlock.h"
#include "settings/UiLanguage.h"

namespace mervik::tools {

struct ConfigValues {
    int32_t FWVersion = 0;
    int32_t MouseColor = 0;
    int32_t Device = 0;
    LanguageChoice Language = LanguageChoice::System;
};

void WriteImageJson(std::ostream& out, const SharedSettingsBlock& image, const ConfigValues& config,
                    const MacroList& macros);

} // namespace mervik::tools
