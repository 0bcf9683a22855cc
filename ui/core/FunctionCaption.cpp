#include "ui/core/FunctionCaption.h"

#include "lang/TextIds.h"
#include "settings/KeyTableLabels.h"
#include "settings/PathFileName.h"
#include "settings/StoredText.h"
#include "settings/TextField.h"
#include "ui/core/FunctionLabels.h"
#include "ui/core/TextFill.h"

namespace mervik::ui {

namespace {

std::string OwnCaption(const ButtonAssignment& slot, const TextLookup& text) {
    const FunctionLabel label = LabelOf(slot.Function);
    switch (label.kind) {
    case LabelKind::String:
        return text(label.stringId);
    case LabelKind::KeyText:
        return ShortcutText(slot);
    case LabelKind::FireText:
        return FireText(slot, text(kTextRapidFire));
    case LabelKind::MacroName:
        return ShownFromStored(TextOfField(slot.MacroName));
    case LabelKind::FileName:
        return ShownFromStored(PathFileName(TextOfField(slot.ProgramPath)));
    case LabelKind::None:
        break;
    }
    return {};
}

} // namespace

std::string FunctionCaption(const ButtonAssignment& slot, const TextLookup& text) {
    std::string caption = OwnCaption(slot, text);
    // A box never stays empty: a code without a text of its own, or a slot
    // whose key, macro or program is missing, still says what it holds.
    if (caption.empty())
        caption = FillNumbers(text(kTextFunctionNumber), slot.Function, 0);
    return caption;
}

} // namespace mervik::ui
