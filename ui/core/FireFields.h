#pragma once
// The number fields of the fire button dialog: how many times one press types
// the key (0..255) and the pause between two presses (5..255). While the
// interval field has the focus a value below 5 may stand, so that the user can
// type on; once the focus leaves, and on OK, it becomes 5.
#include <string>
#include <string_view>

namespace mervik::ui {

constexpr int kFireFieldDigits = 3;
constexpr int kFireCountMax = 255;
constexpr int kFireIntervalMin = 5;
constexpr int kFireIntervalMax = 255;

// What the fields show when the dialog opens: a negative count and an
// interval of 0 or less leave their field empty.
std::string CountFieldText(int count);
std::string IntervalFieldText(int interval);

// A field's text as a decimal number: the leading digits; none read as 0.
int ReadFireNumber(std::string_view text);

struct FireNumbers {
    int count = 0;
    int interval = kFireIntervalMin;
    // The text to put in a field whose value the limits changed; empty for a
    // field to leave as it is, so typing is not disturbed.
    std::string countRewrite;
    std::string intervalRewrite;
};

// The limits applied after each change of a field.
FireNumbers LimitFireFields(std::string_view countText, std::string_view intervalText,
                            bool intervalFocused);
// The values OK returns: every limit applies, wherever the focus is.
FireNumbers FinalFireNumbers(std::string_view countText, std::string_view intervalText);

} // namespace mervik::ui
