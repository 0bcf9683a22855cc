#include "ui/core/FunctionCaption.h"

#include "settings/FunctionCodes.h"
#include "settings/KeyTableLabels.h"
#include "settings/PathFileName.h"
#include "settings/TextField.h"

namespace mervik::ui {

namespace {

constexpr int kFireText = 1054;

} // namespace

std::string FunctionCaption(const ButtonAssignment& slot, const TextLookup& text) {
    const fn::FunctionLabel label = fn::LabelOf(slot.Function);
    switch (label.kind) {
    case fn::LabelKind::String:
        return text(label.stringId);
    case fn::LabelKind::KeyText:
        return ShortcutText(slot);
    case fn::LabelKind::FireText:
        return FireText(slot, text(kFireText));
    case fn::LabelKind::MacroName:
        return TextOfField(slot.MacroName);
    case fn::LabelKind::FileName:
        return std::string(PathFileName(TextOfField(slot.ProgramPath)));
    case fn::LabelKind::None:
        break;
    }
    return {};
}

} // namespace mervik::ui
