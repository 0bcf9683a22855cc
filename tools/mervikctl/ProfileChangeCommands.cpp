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
#include "tools/mervikctl/CommandArguments.h"
#include "tools/mervikctl/CommandLine.h"
#include "tools/mervikctl/Commands.h"
#include "tools/mervikctl/MonitorHandOver.h"
#include "tools/mervikctl/ProfileTarget.h"
#include "tools/mervikctl/SettingsFolder.h"

namespace mervik::tools {

namespace {

// Monitor matches the foreground program's ANSI name against the stored
// path, and the tray shows the stored name: neither may be a look-alike.
constexpr std::string_view kNotInCodePage =
    "it has characters that the system's code page cannot hold";

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
int ChangeProfile(const ProfileTarget& target, Streams io,
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
    int exitCode = kExitOk;
    const std::optional<ProfileTarget> target = ReadProfileTarget("use", args, io, exitCode);
    if (!target)
        return exitCode;
    const std::string config = ConfigFilePath(target->folder);
    const bool written = EditIniFile(config, [&](IniDocument& file) {
        file.WriteInt(keys::kSettingSection, keys::kCurrentProfile, target->index);
    });
    if (!written) {
        io.err << "mervikctl: could not write " << config
               << " (it cannot be read or written); nothing changed\n";
        return kExitFailed;
    }
    switch (HandProfileToMonitor(target->folder, target->index)) {
    case HandOver::NotRunning:
        io.out << "profile " << target->index << " is current from the next start of Monitor\n";
        return kExitOk;
    case HandOver::HandedOver:
        io.out << "profile " << target->index << " is current; Monitor switched to it\n";
        return kExitOk;
    case HandOver::BlockRefused:
        break;
    }
    io.err << "mervikctl: profile " << target->index
           << " is saved as current, but the running Monitor could not be told; it switches "
              "at its next start\n";
    return kExitFailed;
}

int RenameCommand(const Arguments& args, Streams io) {
    int exitCode = kExitOk;
    const std::optional<ProfileTarget> target = ReadProfileTarget("rename", args, io, exitCode);
    if (!target)
        return exitCode;
    const std::optional<std::string> name = RecordText(target->given.At(2));
    if (!name)
        return Refuse(io.err, "the name", kNotInCodePage);
    return ChangeProfile(
        *target, io, [&](ProfileRecord& profile) { return RenameProfile(profile, *name); },
        "the name", kProfileNameMax);
}

int LinkCommand(const Arguments& args, Streams io) {
    int exitCode = kExitOk;
    const std::optional<ProfileTarget> target = ReadProfileTarget("link", args, io, exitCode);
    if (!target)
        return exitCode;
    const std::optional<std::string> path = RecordText(target->given.At(2));
    if (!path)
        return Refuse(io.err, "the program path", kNotInCodePage);
    return ChangeProfile(
        *target, io, [&](ProfileRecord& profile) { return LinkProgram(profile, *path); },
        "the program path", kProgramPathMax);
}

int UnlinkCommand(const Arguments& args, Streams io) {
    int exitCode = kExitOk;
    const std::optional<ProfileTarget> target = ReadProfileTarget("unlink", args, io, exitCode);
    if (!target)
        return exitCode;
    return ChangeProfile(
        *target, io,
        [](ProfileRecord& profile) {
            UnlinkProgram(profile);
            return ProfileTextFault::None;
        },
        "", 0);
}

} // namespace mervik::tools
