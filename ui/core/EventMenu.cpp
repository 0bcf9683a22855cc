#include "ui/core/EventMenu.h"

#include <utility>

namespace mervik::ui {

namespace {

constexpr int kMouseButtonCount = 5;
constexpr int kMouseStepKindCount = 3;
constexpr uint8_t kFirstMouseCode = 240;
// Three a button, in the order of MouseStepKind.
constexpr int kFirstMouseCommand = 1020;

constexpr int kTextRecordBefore = 1063;
constexpr int kTextRecordAfter = 1064;
constexpr int kTextInsertPause = 1065;
constexpr int kTextEditPause = 1066;
constexpr int kTextDeleteStep = 1067;
constexpr int kTextMouseSteps = 1068;
constexpr int kMouseButtonTexts[kMouseButtonCount] = {1069, 1070, 1071, 1072, 1073};
constexpr int kMouseStepKindTexts[kMouseStepKindCount] = {1074, 1075, 1076};

MenuEntry MouseStepsMenu() {
    MenuEntry steps{0, kTextMouseSteps, {}};
    for (int b = 0; b < kMouseButtonCount; ++b) {
        MenuEntry button{0, kMouseButtonTexts[b], {}};
        for (int k = 0; k < kMouseStepKindCount; ++k)
            button.submenu.push_back(
                {kFirstMouseCommand + kMouseStepKindCount * b + k, kMouseStepKindTexts[k], {}});
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
