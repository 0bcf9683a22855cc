#pragma once
// How Option takes in what Monitor wrote into the shared block while Option is
// open (messages 1254, 1255 and 1256). One rule for all three: what Monitor
// changed comes in, what the user edited and has not applied stays.
#include "settings/SharedSettingsBlock.h"

namespace mervik::ui {

// What Monitor announces with its message: which values it changed, and
// whether its value wins over an unapplied edit of the same value.
enum class MonitorNews {
    // 1254: the level of Monitor's current profile, read back from the mouse
    // after an upload. The upload answers an older Apply, so an edit made
    // since stays.
    DpiReadBack,
    // 1255: Monitor made another profile current; any value of the block may
    // have changed. The current index always follows.
    ProfileSwitched,
    // 1256: the mouse's own buttons changed the level and report rate of
    // Monitor's current profile. That press is the newest word: the mouse
    // runs it now.
    MouseChangedLevel,
    // 1255 with kBlockChangedElsewhere: another program (a command line
    // tool) changed the block and Monitor took it in without a switch. Any
    // value may have changed; the current index follows only where the user
    // left it as applied.
    BlockChanged,
};

// `applied` is the block as last exchanged with Monitor, `working` the copy
// being edited, `fresh` the block Monitor holds now. For each value the
// message covers (field by field; a slot is one value): a value the user left
// as `applied` has it takes `fresh`'s, an edited one stays unless Monitor's
// wins, and `applied` takes `fresh`'s, so the value never counts as the
// user's edit at the next message or Apply. What the message does not cover
// stays as it is in both copies. A current index outside 0 to 4 never comes
// in; the level Monitor puts in use comes with Monitor's switch of it.
void FollowMonitor(MonitorNews news, SharedSettingsBlock& working, SharedSettingsBlock& applied,
                   const SharedSettingsBlock& fresh);

} // namespace mervik::ui
