#include "ui/core/DialogKeys.h"

namespace mervik::ui {
namespace {

bool IsButton(FocusKind kind) {
    return kind == FocusKind::Button || kind == FocusKind::MenuButton;
}

KeyAction ArrowAction(const KeyStroke& stroke, const FocusFacts& focus) {
    // Alt+Down opens a menu button's menu, like F4.
    if (stroke.alt && stroke.key == DialogKey::Down)
        return focus.kind == FocusKind::MenuButton ? KeyAction::Press : KeyAction::Pass;
    if (!focus.inGroup || !IsButton(focus.kind) || stroke.alt || stroke.ctrl)
        return KeyAction::Pass;
    const bool back = stroke.key == DialogKey::Left || stroke.key == DialogKey::Up;
    return back ? KeyAction::GroupPrevious : KeyAction::GroupNext;
}

} // namespace

KeyAction ActionForKey(const KeyStroke& stroke, const FocusFacts& focus, bool escapeCancels) {
    // Alt+Space is the window's menu, Alt+Enter no press.
    if (stroke.alt && (stroke.key == DialogKey::Space || stroke.key == DialogKey::Enter))
        return KeyAction::Pass;
    switch (stroke.key) {
    case DialogKey::Tab:
        if (stroke.ctrl || stroke.alt)
            return KeyAction::Pass;
        return stroke.shift ? KeyAction::PreviousControl : KeyAction::NextControl;
    case DialogKey::Enter:
        if (IsButton(focus.kind))
            return KeyAction::Press;
        // A field may take Enter for itself (an in-place editor does); the
        // window never ends on it.
        return focus.kind == FocusKind::Field ? KeyAction::Pass : KeyAction::Swallow;
    case DialogKey::Space:
        return IsButton(focus.kind) ? KeyAction::Press : KeyAction::Pass;
    case DialogKey::Escape:
        return escapeCancels ? KeyAction::Cancel : KeyAction::Pass;
    case DialogKey::F4:
        return focus.kind == FocusKind::MenuButton && !stroke.alt ? KeyAction::Press
                                                                  : KeyAction::Pass;
    case DialogKey::Left:
    case DialogKey::Right:
    case DialogKey::Up:
    case DialogKey::Down:
        return ArrowAction(stroke, focus);
    case DialogKey::Other:
        break;
    }
    return KeyAction::Pass;
}

} // namespace mervik::ui
