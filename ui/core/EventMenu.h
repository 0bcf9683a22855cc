#pragma once
// The menu a right-click on a step of the macro page opens, and what its
// mouse-button items insert.
#include <cstdint>
#include <optional>

#include "macros/MacroPageEdits.h"
#include "ui/core/MenuModel.h"

namespace mervik::ui {

enum EventMenuCommand {
    kEventRecordBefore = 1001,
    kEventRecordAfter = 1002,
    kEventInsertPause = 1003,
    kEventEditPause = 1004,
    kEventDeleteStep = 1005,
};

MenuModel EventMenu();

// A mouse-button item: the step's button code and kind.
struct MouseStepChoice {
    uint8_t code = 0;
    MouseStepKind kind = MouseStepKind::Press;
};

// What a command of the menu's mouse-button submenus inserts; nothing for any
// other command.
std::optional<MouseStepChoice> MouseStepOfCommand(int command);

} // namespace mervik::ui
