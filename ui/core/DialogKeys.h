#pragma once
// What a key does in one of Option's windows, decided from the key and the
// control that has the focus. The windows have no dialog manager: this is
// theirs. Lists, sliders and fields keep the keys they take themselves.
namespace mervik::ui {

enum class DialogKey {
    Other,
    Tab,
    Enter,
    Space,
    Escape,
    Left,
    Right,
    Up,
    Down,
    F4,
};

struct KeyStroke {
    DialogKey key = DialogKey::Other;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// The kind of control the focus is in.
enum class FocusKind {
    None,       // the window itself, or a control none of the below
    Button,     // a push, check or option button
    MenuButton, // a button whose press opens a menu
    Field,      // an edit, a list, a slider: it takes its own keys
};

struct FocusFacts {
    FocusKind kind = FocusKind::None;
    bool inGroup = false; // one of a row of choices the arrows move along
};

enum class KeyAction {
    Pass,            // the focused control gets the key
    Swallow,         // nobody gets it (Enter never closes a window)
    NextControl,     // Tab
    PreviousControl, // Shift+Tab
    Press,           // the focused button, as a click
    GroupPrevious,   // the arrows within a group
    GroupNext,
    Cancel, // Escape where the window ends on it
};

// `escapeCancels`: the window's Escape means its Cancel button (the
// warnings); elsewhere Escape changes nothing, as Enter does not.
KeyAction ActionForKey(const KeyStroke& stroke, const FocusFacts& focus, bool escapeCancels);

} // namespace mervik::ui
