#pragma once
// How the service names a profile to the user: in its tray menu, its tip and
// the balloon of a switch. Texts come from the language library; a name or a
// sentence from outside is only ever shown, never interpreted. All are shown
// texts (UTF-8, StoredText.h).
#include <cstddef>
#include <string>
#include <string_view>

#include "settings/ProfileRecord.h"

namespace mervik {

// `format` with "%1" replaced by `first` and "%2" by `second`; every other
// character as it is.
std::string FillText(std::string_view format, std::string_view first, std::string_view second = {});

// The profile's name as shown, or `unnamedFormat` ("Profile %1") with its
// number counted from 1 when the name is empty or only white space.
std::string ProfileDisplayName(const ProfileRecord& profile, int index,
                               std::string_view unnamedFormat);

// The tip of the tray icon: `format` ("%1 - %2") filled with the service's
// tip and the active profile's name, cut to the tip's 63 characters (UTF-16
// units, on whole characters); the
// service's tip alone when no profile is active.
std::string TrayTipText(std::string_view format, std::string_view tip,
                        std::string_view profileName);

// `stateFormat` ("%1 (not in the mouse)") filled with `tip`, which is cut
// first so that what the state says always fits the 63 characters; `tip`
// alone when the language library has no such text.
std::string TipWithState(std::string_view stateFormat, std::string_view tip);

} // namespace mervik
