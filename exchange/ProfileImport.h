#pragma once
// Importing a shared profile file. The file is untrusted: its profile passes
// the checks a profile file passes (ranges, name, link, slots), its macros
// the macro file's (RepairLoadedMacro); what cannot be mended is refused with
// a note. Planning changes nothing: the caller shows the plan, and only after
// the user confirms applies it.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macros/MacroList.h"
#include "settings/LoadNotes.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik {

struct ImportPlan {
    std::unique_ptr<ProfileRecord> profile; // checked, ready for its place
    std::vector<MacroRecord> added;         // macros the list lacks, to append
    LoadNotes notes;                        // what was mended, refused or renamed
    size_t mended = 0;                      // values of the file set back or left out
};

// The plan for importing `text` as profile `index` (0..4) beside the macros of
// `list`. A macro whose name `list` holds with the same steps is taken as it
// is; one whose name it holds with other steps gets a new name, "NAME (2)",
// and the imported buttons that play it follow. None, with `error` set, for a
// file that is not a profile file or macros the list has no room for.
std::optional<ImportPlan> PlanProfileImport(std::string_view text, int index, const MacroList& list,
                                            std::string& error);

// Puts the plan's profile at `index` of `image` and appends its macros to `list`.
void ApplyProfileImport(const ImportPlan& plan, SharedSettingsBlock& image, int index,
                        MacroList& list);

} // namespace mervik
