#include "ui/core/ButtonPos.h"

#include <algorithm>
#include <charconv>

namespace mervik::ui {
namespace {

// Reads one decimal integer the way the C library would: leading blanks
// skipped, a sign allowed, stopping at the first non-digit. Returns false
// when there is no number at all.
bool ReadInt(std::string_view& text, int& out) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return false;
    text.remove_prefix(i);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    if (ec != std::errc())
        return false;
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return true;
}

bool SkipComma(std::string_view& text) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos || text[i] != ',')
        return false;
    text.remove_prefix(i + 1);
    return true;
}

// x, y, width, height; fields missing at the end stay 0 as with a scanf that
// stopped early.
void ReadGeometry(std::string_view fields, int (&numbers)[4]) {
    for (int n = 0; n < 4; ++n) {
        if (!ReadInt(fields, numbers[n]))
            return;
        if (n < 3 && !SkipComma(fields))
            return;
    }
}

// Window coordinates fit 16 bits; clamping there keeps x + width and
// y + height far from overflow whatever the file says.
constexpr int kMaxCoordinate = 32767;

int Clamped(int value) {
    return std::clamp(value, -kMaxCoordinate, kMaxCoordinate);
}

std::string Cut(std::string_view text, size_t max) {
    return std::string(text.substr(0, max));
}

} // namespace

ButtonPos ParseButtonPos(std::string_view value) {
    ButtonPos pos;
    size_t firstComma = value.find(',');
    pos.label = Cut(value.substr(0, firstComma), kButtonLabelMax);
    if (firstComma == std::string_view::npos)
        return pos;

    std::string_view rest = value.substr(firstComma + 1);
    int numbers[4] = {0, 0, 0, 0};
    ReadGeometry(rest, numbers);
    for (int& number : numbers)
        number = Clamped(number);
    pos.rect = {numbers[0], numbers[1], numbers[0] + numbers[2], numbers[1] + numbers[3]};
    pos.pressed = rest.find("TRUE") != std::string_view::npos;

    // The flag is the last field; the tooltip is the one before it.
    std::string_view withoutFlag = value.substr(0, value.rfind(','));
    size_t tipComma = withoutFlag.rfind(',');
    if (tipComma != std::string_view::npos)
        pos.tooltip = Cut(withoutFlag.substr(tipComma + 1), kButtonTooltipMax);
    return pos;
}

} // namespace mervik::ui
