// use, rename, link and unlink: one change to one file each, checked by the
// same rules Option's profile strip follows.
#include <functional>
#include <memory>
#include <optional>

#include "settings/FilePaths.h"
#include "settings/IniFile.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileFile.h"
#include "settings/ProfileIdentity.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsKeys.h"
#include "tools/mervikctl/CommandLine.h"
#include "tools/mervikctl/Commands.h"
#include "tools/mervikctl/MonitorHandOver.h"

namespace mervik::tools {

namespace {

// "0" to "4" exactly; anything else is wrong usage.
bool ParseProfileIndex(const std::string& text, int& index) {
    if (text.size() != 1 || text[0] < '0' || text[0] >= '0' + kProfileCount)
        return false;
    index = text[0] - '0';
    return true;
}

// Monitor matches the foreground program's ANSI name against the stored
// path, and the tray shows the stored name: neither may be a look-alike.
constexpr std::string_view kNotInCodePage =
    "it has characters that the system's code page cannot hold";

struct Target {
    std::string folderArg;
    std::string folder;
    int index = 0;
};

bool ParseTarget(const Arguments& args, size_t count, Target& target) {
    if (args.size() != count || !ParseProfileIndex(args[1], target.index))
        return false;
    target.folderArg = args[0];
    target.folder = FolderArgument(args[0]);
    return true;
}

int Refuse(std::ostream& err, std::string_view what, std::string_view why) {
    err << "mervikctl: " << what << " refused: " << why << "; nothing changed\n";
    return kExitFailed;
}

int Refuse(std::ostream& err, std::string_view what, ProfileTextFault fault, size_t max) {
    std::string why(DescribeProfileTextFault(fault));
    if (fault == ProfileTextFault::TooLong)
        why += " (at most " + std::to_string(max) + " bytes)";
    return Refuse(err, what, why);
}

// Loads the profiles as the programs do, applies `change` to profile
// `target.index` and writes that profile's file alone. A file that exists
// but cannot be read is never written over: its save fails and says so.
int ChangeProfile(const Target& target, Streams io,
                  const std::function<ProfileTextFault(ProfileRecord&)>& change,
                  std::string_view what, size_t max) {
    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    LoadNotes notes;
    LoadAll(*image, target.folder, nullptr, &notes);
    PrintLoadNotes(notes, io.err);
    ProfileRecord& profile = image->Profiles[target.index];
    ProfileTextFault fault = change(profile);
    if (fault != ProfileTextFault::None)
        return Refuse(io.err, what, fault, max);
    const std::string path = ProfileFilePath(target.folder, target.index);
    if (!SaveProfile(profile, path)) {
        io.err << "mervikctl: could not write " << path
               << " (it cannot be read or written); nothing changed\n";
        return kExitFailed;
    }
    io.out << "profile " << target.index << ": " << ProfileName(profile);
    if (!LinkedProgramPath(profile).empty())
        io.out << " [" << LinkedProgramPath(profile) << "]";
    io.out << "\n";
    if (HandIdentityToMonitor(target.folder, target.index, profile) == HandOver::BlockRefused) {
        io.err << "mervikctl: the file is written, but the running Monitor could not be told; it "
                  "takes the change at its next start\n";
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace

int UseCommand(const Arguments& args, Streams io) {
    Target target;
    if (!ParseTarget(args, 2, target))
        return kExitUsage;
    const std::string config = ConfigFilePath(target.folder);
    const bool written = EditIniFile(config, [&](IniDocument& file) {
        file.WriteInt(keys::kSettingSection, keys::kCurrentProfile, target.index);
    });
    if (!written) {
        io.err << "mervikctl: could not write " << config
               << " (it cannot be read or written); nothing changed\n";
        return kExitFailed;
    }
    switch (HandProfileToMonitor(target.folder, target.index)) {
    case HandOver::NotRunning:
        io.out << "profile " << target.index << " is current from the next start of Monitor\n";
        return kExitOk;
    case HandOver::HandedOver:
        io.out << "profile " << target.index << " is current; Monitor switched to it\n";
        return kExitOk;
    case HandOver::BlockRefused:
        break;
    }
    io.err << "mervikctl: profile " << target.index
           << " is saved as current, but the running Monitor could not be told; it switches "
              "at its next start\n";
    return kExitFailed;
}

int RenameCommand(const Arguments& args, Streams io) {
    Target target;
    if (!ParseTarget(args, 3, target))
        return kExitUsage;
    const std::optional<std::string> name = RecordText(args[2]);
    if (!name)
        return Refuse(io.err, "the name", kNotInCodePage);
    return ChangeProfile(
        target, io, [&](ProfileRecord& profile) { return RenameProfile(profile, *name); },
        "the name", kProfileNameMax);
}

int LinkCommand(const Arguments& args, Streams io) {
    Target target;
    if (!ParseTarget(args, 3, target))
        return kExitUsage;
    const std::optional<std::string> path = RecordText(args[2]);
    if (!path)
        return Refuse(io.err, "the program path", kNotInCodePage);
    return ChangeProfile(
        target, io, [&](ProfileRecord& profile) { return LinkProgram(profile, *path); },
        "the program path", kProgramPathMax);
}

int UnlinkCommand(const Arguments& args, Streams io) {
    Target target;
    if (!ParseTarget(args, 2, target))
        return kExitUsage;
    return ChangeProfile(
        target, io,
        [](ProfileRecord& profile) {
            UnlinkProgram(profile);
            return ProfileTextFault::None;
        },
        "", 0);
}

} // namespace mervik::tools
