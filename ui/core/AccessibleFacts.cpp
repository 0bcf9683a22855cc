#include "ui/core/AccessibleFacts.h"

namespace mervik::ui {

std::string AccessibleName(std::string_view label, std::string_view caption) {
    if (caption.empty() || caption == label)
        return std::string(label);
    if (label.empty())
        return std::string(caption);
    return std::string(label) + ": " + std::string(caption);
}

std::string AccessKeyShortcut(const std::optional<AccessKey>& key) {
    if (!key || key->letter == 0)
        return {};
    return std::string("Alt+") + key->letter;
}

} // namespace mervik::ui
