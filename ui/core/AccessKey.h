#pragma once
// A control's access key: the letter that, with Alt, presses it, and where
// its picture shows that letter, to underline it while Alt is held. Skins
// give them in their KEYBOARD section, one value a control:
// "letter,left,top,width,RRGGBB" (the underline in the control's own
// coordinates, and its colour).
#include <cstdint>
#include <optional>
#include <string_view>

namespace mervik::ui {

struct AccessKey {
    char letter = 0; // 'A'..'Z' or '0'..'9'
    int left = 0;    // the underline, as thick as the skin's scale makes it
    int top = 0;
    int width = 0;
    uint32_t rgb = 0xFFFFFF; // 0xRRGGBB

    bool operator==(const AccessKey&) const = default;
};

// The focus ring's colour when the skin names none.
inline constexpr uint32_t kDefaultFocusRgb = 0xFFBF44;

// How a control draws its focus ring: in the skin's colour (0xRRGGBB), as
// thick as the skin's scale makes it.
struct FocusLook {
    uint32_t rgb = kDefaultFocusRgb;
    int scalePercent = 100;
};

// Nothing for an empty or malformed value, or a letter that is not one.
std::optional<AccessKey> ParseAccessKey(std::string_view value);

// Whether a typed character (either case) is `key`'s letter.
bool MatchesAccessKey(const AccessKey& key, int character);

// The skin's focus ring colour ("RRGGBB"); nothing when malformed.
std::optional<uint32_t> ParseSkinColour(std::string_view value);

} // namespace mervik::ui
