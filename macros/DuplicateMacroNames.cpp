#include "macros/DuplicateMacroNames.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "macros/MacroName.h"
#include "settings/FunctionCodes.h"
#include "settings/TextField.h"

namespace mervik {

namespace {

// The buttons that play the later macro: those holding its very name. A
// button holding the first one's very name, or neither, plays the first, as
// the lookup by name always gave it.
int MoveButtons(SharedSettingsBlock& image, const std::string& first, const std::string& later,
                const std::string& renamed) {
    int moved = 0;
    for (ProfileRecord& profile : image.Profiles) {
        for (ButtonAssignment& button : profile.Buttons) {
            if (button.Function != fn::Macro)
                continue;
            const std::string name = TrimmedMacroName(TextOfField(button.MacroName));
            if (name == later && name != first) {
                SetTextField(button.MacroName, renamed);
                ++moved;
            }
        }
    }
    return moved;
}

} // namespace

std::string UnusedMacroName(const std::string& name, const std::unordered_set<std::string>& taken) {
    for (int k = 2;; ++k) {
        const std::string suffix = " (" + std::to_string(k) + ")";
        std::string candidate(
            MacroNameStart(name, static_cast<size_t>(kMaxMacroNameLength) - suffix.size()));
        candidate += suffix;
        if (!taken.count(MacroNameKey(candidate)))
            return candidate;
    }
}

LoadNotes RepairDuplicateMacroNames(MacroList& list, SharedSettingsBlock* image) {
    std::unordered_set<std::string> taken;
    for (int i = 0; i < list.Count(); ++i)
        taken.insert(MacroNameKey(TrimmedMacroName(*list.RecordAt(i))));

    LoadNotes notes;
    std::unordered_map<std::string, std::string> firstNames; // key -> the first macro's name
    for (int i = 0; i < list.Count(); ++i) {
        MacroRecord& record = *list.RecordAt(i);
        const std::string name = TrimmedMacroName(record);
        if (name.empty())
            continue;
        const auto [first, isFirst] = firstNames.emplace(MacroNameKey(name), name);
        if (isFirst)
            continue;
        const std::string renamed = UnusedMacroName(name, taken);
        taken.insert(MacroNameKey(renamed));
        SetTextField(record.Name, renamed);
        std::string note = "sequence.dat: macro " + name + " is named as macro " + first->second +
                           " but for case or blanks: renamed " + renamed;
        if (image) {
            const int moved = MoveButtons(*image, first->second, name, renamed);
            if (moved > 0)
                note += ", and the buttons that play it (" + std::to_string(moved) + ") with it";
        }
        notes.push_back(note);
    }
    return notes;
}

} // namespace mervik
