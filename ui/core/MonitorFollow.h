#pragma once
// How Option takes in what Monitor wrote into the shared block while Option is
// open (messages 1254, 1255 and 1256). One rule for all three: what Monitor
// changed comes in, what the user edited and has not applied stays.
#include "settings/SharedSettingsBlock.h"

namespace mervik::ui {

// What Monitor announces with its message; it decides only which of Monitor's
// values win over an unapplied edit of the same value.
enum class MonitorNews {
    // 1254: the level read back from the mouse after an upload. The upload
    // answers an older Apply, so an edit made since stays.
    DpiReadBack,
    // 1255: Monitor made another profile current; the strip follows it.
    ProfileSwitched,
    // 1256: the mouse's own buttons changed the current profile's level or
    // report rate. That press is the newest word: the mouse runs it now.
    MouseChangedLevel,
};

// `applied` is the block as last exchanged with Monitor, `working` the copy
// being edited, `fresh` the block Monitor holds now. Compared field by field:
// a value the user left as `applied` has it takes `fresh`'s, an edited value
// stays unless `news` makes Monitor's win. A current index outside 0 to 4
// never comes in. Afterwards `applied` is `fresh`, so a value Monitor changed
// does not count as the user's edit at the next message or Apply.
void FollowMonitor(MonitorNews news, SharedSettingsBlock& working, SharedSettingsBlock& applied,
                   const SharedSettingsBlock& fresh);

} // namespace mervik::ui
