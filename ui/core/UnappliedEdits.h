#pragma once
// Edits the user made and did not apply, kept across a close Option did not
// ask for (the setup program closes it to replace its files) and offered
// again at the next start. The file sits beside the settings, never over
// them: config\unapplied-edits.dat holds the working copy as it was with
// nothing edited and the working copy itself.
#include <string>

#include "settings/LoadNotes.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik::ui {

std::string UnappliedEditsPath(const std::string& programFolder);

// Writes the two copies; false when the file could not be written, or when a
// kept file that could not be read is still there (it is never written over).
bool KeepUnappliedEdits(const std::string& programFolder, const SharedSettingsBlock& unedited,
                        const SharedSettingsBlock& edited);

enum class KeptEdits {
    None,       // no file
    Taken,      // laid over the working copy; the file is gone
    Unreadable, // damaged or from another version: left as it is
};

// Lays the kept edits over `working` (the settings as they are now): each
// value the user had edited takes the edited value, every other value stays
// as `working` has it, so whatever changed meanwhile (Monitor, the files)
// is kept. The result is range-checked like any outside data (notes for
// what was mended). The file is removed once taken.
KeptEdits TakeUnappliedEdits(const std::string& programFolder, SharedSettingsBlock& working,
                             LoadNotes* notes);

} // namespace mervik::ui
