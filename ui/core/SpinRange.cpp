#include "ui/core/SpinRange.h"

#include <algorithm>
#include <string>

namespace mervik::ui {

namespace {
int Digits(int value) {
    return static_cast<int>(
        std::to_string(value < 0 ? -static_cast<long long>(value) : value).size());
}
} // namespace

int SpinRange::Clamp(long long value) const {
    return static_cast<int>(std::clamp<long long>(value, minimum, maximum));
}

int SpinRange::TextLimit() const {
    return std::max(Digits(minimum), Digits(maximum)) + (minimum < 0 ? 1 : 0);
}

int SpinRange::Settle(std::string_view text, int current) const {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    bool any = false;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        any = true;
        value = std::min<long long>(value * 10 + (c - '0'), 1LL << 40);
    }
    if (!any)
        return Clamp(current);
    return Clamp(negative ? -value : value);
}

} // namespace mervik::ui
