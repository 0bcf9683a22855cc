#pragma once
// The tray icon's menu as the user sees it: open Option (the default item),
// "send again" while the mouse is there without the current settings, the
// five profiles by name with the current one checked and the linked
// program's file name beside each profile that has one, and exit. The Win32
// shell only draws these items; a chosen profile item comes back as its
// command.
#include <optional>
#include <string>
#include <vector>

#include "settings/SharedSettingsBlock.h"

namespace mervik {

// Menu texts, each with the '&' before its access key.
struct TrayMenuTexts {
    std::string openOption;     // the default item
    std::string exit;           // the last item
    std::string unnamedProfile; // "Profile %1", for a profile without a name
    std::string sendAgain;      // after the default item, when offered
};

struct TrayMenuItem {
    unsigned command = 0; // 0: a separator
    std::string label;    // menu text: "&N " and the name ('&' doubled), a tab before the program's
    bool isDefault = false;
    bool radio = false; // one of the profiles, drawn as a radio item
    bool checked = false;
};

std::vector<TrayMenuItem> TrayMenuItems(const SharedSettingsBlock& image,
                                        const TrayMenuTexts& texts, bool offerSendAgain = false);

// The profile a menu command chooses; nothing for any other command.
std::optional<int> ProfileOfTrayCommand(unsigned command);

} // namespace mervik
