#pragma once
// What a control tells the windows' keyboard rule (DialogKeyboard): the kind
// of control it is, what a press by the keyboard does, and its access key.
#include <optional>

#include "ui/core/AccessKey.h"
#include "ui/core/DialogKeys.h"

namespace mervik::ui {

class KeyboardControl {
public:
    virtual FocusKind KeyboardKind() const = 0;
    // Space or Enter on it, or its access key: what a click does.
    virtual void PressByKeyboard() {}
    virtual std::optional<AccessKey> KeyboardAccessKey() const { return std::nullopt; }

protected:
    ~KeyboardControl() = default;
};

} // namespace mervik::ui
