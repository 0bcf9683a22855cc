#include "ui/core/CapturedKey.h"

#include "settings/KeyTable.h"

namespace mervik::ui {
namespace {
// Windows virtual-key codes, as the capture reports them.
constexpr int kVkTab = 0x09;
constexpr int kVkShift = 0x10;
constexpr int kVkLeftShift = 0xA0;
constexpr int kVkRightShift = 0xA1;

bool IsShift(int virtualKey) {
    return virtualKey == kVkShift || virtualKey == kVkLeftShift || virtualKey == kVkRightShift;
}
} // namespace

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

CapturedStep KeyField::TakeCapturedEvent(int virtualKey, bool released) {
    if (virtualKey == kVkTab) {
        if (released)
            return CapturedStep::Unchanged;
        if (!beforeShift_)
            return CapturedStep::LeaveForward;
        usage = beforeShift_->usage;
        text = beforeShift_->text;
        beforeShift_.reset();
        return CapturedStep::LeaveBackward;
    }
    // While Shift is held it may be the start of Shift+Tab; let go, or
    // followed by another key, it was meant for the field.
    if (IsShift(virtualKey) && !released) {
        if (!beforeShift_)
            beforeShift_ = Shown{usage, text};
    } else {
        beforeShift_.reset();
    }
    return TakeCaptured(virtualKey) ? CapturedStep::Taken : CapturedStep::Unchanged;
}

} // namespace mervik::ui
