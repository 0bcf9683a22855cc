#include "ui/core/TextFill.h"

namespace mervik::ui {

std::string FillTexts(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t k =
            i + 1 < text.size() && text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9'
                ? static_cast<size_t>(text[i + 1] - '1')
                : values.size();
        if (k < values.size()) {
            out += *(values.begin() + k);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string FillNumbers(std::string_view text, int first, int second) {
    return FillTexts(text, {std::to_string(first), std::to_string(second)});
}

} // namespace mervik::ui
