#include "ui/core/FireFields.h"

#include <algorithm>

namespace mervik::ui {

std::string CountFieldText(int count) {
    return count >= 0 ? std::to_string(count) : std::string();
}

std::string IntervalFieldText(int interval) {
    return interval > 0 ? std::to_string(interval) : std::string();
}

int ReadFireNumber(std::string_view text) {
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = std::min<long long>(value * 10 + (c - '0'), 1000000);
    }
    return static_cast<int>(value);
}

FireNumbers LimitFireFields(std::string_view countText, std::string_view intervalText,
                            bool intervalFocused) {
    FireNumbers numbers;
    const int count = ReadFireNumber(countText);
    numbers.count = std::clamp(count, 0, kFireCountMax);
    if (numbers.count != count)
        numbers.countRewrite = std::to_string(numbers.count);

    // An emptied interval field that still has the focus is being typed
    // into: putting 1 there would put the caret before the user's next digit.
    if (intervalFocused && intervalText.empty()) {
        numbers.interval = 0;
        return numbers;
    }
    const int interval = ReadFireNumber(intervalText);
    numbers.interval = std::clamp(interval, 1, kFireIntervalMax);
    if (!intervalFocused)
        numbers.interval = std::max(numbers.interval, kFireIntervalMin);
    if (numbers.interval != interval)
        numbers.intervalRewrite = std::to_string(numbers.interval);
    return numbers;
}

FireNumbers FinalFireNumbers(std::string_view countText, std::string_view intervalText) {
    return LimitFireFields(countText, intervalText, false);
}

} // namespace mervik::ui
