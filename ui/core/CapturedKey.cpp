#include "ui/core/CapturedKey.h"

#include "settings/KeyTable.h"

namespace mervik::ui {

KeyField KeyField::OfUsage(uint8_t usage) {
    KeyField field;
    int virtualKey = 0;
    if (usage != 0 && KeyOfUsage(usage, virtualKey)) {
        field.usage = usage;
        field.text = std::string(KeyName(virtualKey));
    }
    return field;
}

bool KeyField::TakeCaptured(int virtualKey) {
    uint8_t taken = 0;
    if (!UsageOfKey(virtualKey, taken))
        return false;
    usage = taken;
    text = std::string(KeyName(virtualKey));
    return true;
}

} // namespace mervik::ui
