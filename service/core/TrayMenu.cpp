#include "service/core/TrayMenu.h"

#include "contract/ProgramMessages.h"
#include "service/core/ForegroundMatch.h"
#include "service/core/MonitorConstants.h"
#include "service/core/ProfileLabels.h"

namespace mervik {

using namespace monitor;

namespace {

// A menu takes '&' for the mark of the key that chooses the item; a name
// shows its own '&' as it is. The fixed items' texts carry their marks.
std::string MenuText(std::string_view text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '&')
            out += '&';
    }
    return out;
}

TrayMenuItem Separator() {
    return {};
}

} // namespace

std::vector<TrayMenuItem> TrayMenuItems(const SharedSettingsBlock& image,
                                        const TrayMenuTexts& texts, bool offerSendAgain) {
    std::vector<TrayMenuItem> items;
    items.push_back({kCmdOpenCustomizer, texts.openOption, true, false, false});
    if (offerSendAgain)
        items.push_back({kCmdSendAgain, texts.sendAgain, false, false, false});
    items.push_back(Separator());
    for (int i = 0; i < kProfileCount; ++i) {
        const ProfileRecord& profile = image.Profiles[i];
        // The profile's number chooses it from the keyboard.
        std::string label = {'&', static_cast<char>('1' + i), ' '};
        label += MenuText(ProfileDisplayName(profile, i, texts.unnamedProfile));
        const std::string program = MatchedProgramName(profile);
        if (!program.empty())
            label.append(1, '\t').append(MenuText(program));
        items.push_back({kCmdFirstProfile + static_cast<unsigned>(i), std::move(label), false, true,
                         image.CurrentProfile == i});
    }
    items.push_back(Separator());
    items.push_back({kCmdExit, texts.exit, false, false, false});
    return items;
}

std::optional<int> ProfileOfTrayCommand(unsigned command) {
    if (command < kCmdFirstProfile || command >= kCmdFirstProfile + kProfileCount)
        return std::nullopt;
    return static_cast<int>(command - kCmdFirstProfile);
}

} // namespace mervik
