#pragma once
// What the display says for each message Monitor sends it: a short title and
// the value in large letters. The settings image, when it can be read, gives
// a profile's name and the number of the DPI level in use; it comes from
// shared memory any program may write, so every value in it is checked.
#include <optional>
#include <string>
#include <string_view>

#include "settings/SharedSettingsBlock.h"

namespace mervik::osd {

struct Notice {
    std::string title;
    std::string value;
    bool operator==(const Notice&) const = default;
};

// Formats from the language library; "%1" stands for the number or name.
struct NoticeTexts {
    std::string dpiLevel;       // "DPI level %1"
    std::string resolution;     // title of a DPI notice whose level is unknown
    std::string dpiValue;       // "%1 DPI"
    std::string reportRate;     // title of a rate notice
    std::string rateValue;      // "%1 Hz"
    std::string profile;        // title of a profile notice
    std::string unnamedProfile; // "Profile %1"
};

// The profile notice for profile `index` (0 to 4; none for another index).
// Without an image the profile is named by its number.
std::optional<Notice> ProfileNotice(int index, const SharedSettingsBlock* image,
                                    const NoticeTexts& texts);

// The notice for the text Monitor stored for the display: a DPI or rate
// announcement in the texts' words, any other text as it is. None for an
// empty text.
std::optional<Notice> StoredTextNotice(std::string_view stored, const SharedSettingsBlock* image,
                                       const NoticeTexts& texts);

// One line for the trace: "title: value", or the value alone.
std::string NoticeLine(const Notice& notice);

} // namespace mervik::osd
