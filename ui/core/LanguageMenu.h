#pragma once
// Option's language menu: the system's language first, then each language by
// its own name, the one chosen marked. A choice waits for Apply like any
// other setting; the windows change to it then.
#include <optional>
#include <vector>

#include "settings/UiLanguage.h"

namespace mervik::ui {

struct LanguageMenuItem {
    int command = 0;
    unsigned text = 0; // the language library's
    bool marked = false;
};

std::vector<LanguageMenuItem> LanguageMenu(LanguageChoice chosen);

// The choice a command of the menu makes; nothing for any other command.
std::optional<LanguageChoice> LanguageOfCommand(int command);

// The text that names a choice (what a screen reader hears as the value).
unsigned LanguageChoiceText(LanguageChoice choice);

} // namespace mervik::ui
