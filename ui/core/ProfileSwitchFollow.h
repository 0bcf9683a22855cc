#pragma once
// How Option follows a profile switch that Monitor made while Option is open
// (message 1255). The user may have edited any of the five profiles without
// applying: those edits stay. Only the current profile's index, and every
// profile or value the user has not touched, take Monitor's block.
#include "settings/SharedSettingsBlock.h"

namespace mervik::ui {

// `applied` is the block as last exchanged with Monitor, `fresh` the block
// Monitor holds now; `working` is the copy being edited. Afterwards `working`
// has `fresh`'s current profile (when it names one), each profile the user
// left alone as `fresh` has it, and each edited profile as the user left it.
// The caller then makes `applied` equal to `fresh`.
void FollowProfileSwitch(SharedSettingsBlock& working, const SharedSettingsBlock& applied,
                         const SharedSettingsBlock& fresh);

} // namespace mervik::ui
