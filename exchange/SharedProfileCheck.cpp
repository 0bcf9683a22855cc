#include "exchange/SharedProfileCheck.h"

#include "settings/FunctionCodes.h"
#include "settings/ProfileIdentity.h"
#include "settings/ProfileRanges.h"
#include "settings/SlotRepair.h"
#include "settings/TextField.h"

namespace mervik {

LoadNotes CheckSharedProfile(ProfileRecord& profile, int index) {
    LoadNotes notes;
    const std::vector<std::string> reset = RepairProfileRanges(profile);
    if (!reset.empty()) {
        std::string note = "fields outside their range set to their defaults:";
        for (const std::string& key : reset)
            note += " " + key;
        notes.push_back(note);
    }
    if (RepairProfileName(profile, index))
        notes.push_back("the profile's name is missing or refused: it is named " +
                        ProfileName(profile));
    const std::string path = LinkedProgramPath(profile);
    if (!path.empty() && CheckProgramPath(path) != ProfileTextFault::None) {
        notes.push_back("the linked program's path is refused (" +
                        std::string(DescribeProfileTextFault(CheckProgramPath(path))) +
                        "): the profile is tied to no program");
        UnlinkProgram(profile);
    }
    for (int n = 0; n < kSlotCount; ++n) {
        ButtonAssignment& button = profile.Buttons[n];
        const bool badName =
            button.Function == fn::Macro && HoldsControlCharacter(TextOfField(button.MacroName));
        const bool badPath = button.Function == fn::Program &&
                             HoldsControlCharacter(TextOfField(button.ProgramPath));
        if (badName || badPath) {
            ResetSlot(button, n);
            notes.push_back("button slot " + std::to_string(n) +
                            ": a control character in its macro name or program path; it has "
                            "its default function");
        }
    }
    return notes;
}

} // namespace mervik
