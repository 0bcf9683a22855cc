#include "ui/core/FunctionCaption.h"

#include "lang/TextIds.h"
#include "settings/KeyTableLabels.h"
#include "settings/PathFileName.h"
#include "settings/StoredText.h"
#include "settings/TextField.h"
#include "ui/core/FunctionLabels.h"

namespace mervik::ui {

std::string FunctionCaption(const ButtonAssignment& slot, const TextLookup& text) {
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

} // namespace mervik::ui
