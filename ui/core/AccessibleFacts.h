#pragma once
// What a control tells a screen reader: its role, name, value and state.
// The Win32 layer hands these out through MSAA (accessibility objects); the
// rules of naming live here.
#include <optional>
#include <string>
#include <string_view>

#include "ui/core/AccessKey.h"

namespace mervik::ui {

enum class AccessibleRole {
    PushButton,   // a button; with hasPopup, one that opens a menu
    CheckBox,     // a button that stays in or out
    OptionButton, // one of a row of choices, the chosen one checked
    PageTab,      // a page tab, the shown page's checked
    List,
    ListItem,
    Slider,
    EditableText,
    StaticText,
    Graphic, // a picture to pick from (the colour picker's palette)
};

struct AccessibleFacts {
    AccessibleRole role = AccessibleRole::PushButton;
    std::string name;
    std::string value;       // a slider's number, a field's text
    std::string description; // the tooltip
    std::string shortcut;    // "Alt+O"
    bool checked = false;    // ticked, chosen, shown, selected (a list's item)
    bool hasPopup = false;
    bool readOnly = false;
};

// A control's name: the skin's label of its place ("Mode 1 left button"),
// then what it shows ("Left click"); either alone when the other is empty or
// says the same.
std::string AccessibleName(std::string_view label, std::string_view caption);

// "Alt+O" for a control pressed with Alt and O; empty without an access key.
std::string AccessKeyShortcut(const std::optional<AccessKey>& key);

} // namespace mervik::ui
