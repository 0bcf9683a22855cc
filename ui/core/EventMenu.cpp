#include "ui/core/EventMenu.h"

#include <iterator>
#include <utility>

#include "lang/TextIds.h"

namespace mervik::ui {

namespace {

constexpr int kMouseButtonCount = static_cast<int>(std::size(kTextMouseStepButton));
constexpr int kMouseStepKindCount = static_cast<int>(std::size(kTextMouseStepKind));
constexpr uint8_t kFirstMouseCode = 240;
// Three a button, in the order of MouseStepKind.
constexpr int kFirstMouseCommand = 1020;

MenuEntry MouseStepsMenu() {
    MenuEntry steps{0, kTextMouseStepsMenu, {}};
    for (int b = 0; b < kMouseButtonCount; ++b) {
        MenuEntry button{0, kTextMouseStepButton[b], {}};
        for (int k = 0; k < kMouseStepKindCount; ++k)
            button.submenu.push_back(
                {kFirstMouseCommand + kMouseStepKindCount * b + k, kTextMouseStepKind[k], {}});
        steps.submenu.push_back(std::move(button));
    }
    return steps;
}

} // namespace

MenuModel EventMenu() {
    return {
        {kEventRecordBefore, kTextRecordBefore, {}}, {kEventRecordAfter, kTextRecordAfter, {}},
        {kEventInsertPause, kTextInsertPause, {}},   MouseStepsMenu(),
        {kEventEditPause, kTextEditPause, {}},       {kEventDeleteStep, kTextDeleteStep, {}},
    };
}

std::optional<MouseStepChoice> MouseStepOfCommand(int command) {
    const int offset = command - kFirstMouseCommand;
    if (offset < 0 || offset >= kMouseButtonCount * kMouseStepKindCount)
        return std::nullopt;
    return MouseStepChoice{static_cast<uint8_t>(kFirstMouseCode + offset / kMouseStepKindCount),
                           static_cast<MouseStepKind>(offset % kMouseStepKindCount)};
}

} // namespace mervik::ui
