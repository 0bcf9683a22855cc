#include <charconv>
#include <memory>

#include "device/ReportEncoder.h"
#include "protocol/PlanText.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

namespace {

struct EncodeOptions {
    std::string folder;
    int profile = -1; // -1: the current profile
};

bool ParseProfile(const std::string& text, int& profile) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), profile);
    return ec == std::errc() && end == text.data() + text.size() && profile >= 0 &&
           profile < kProfileCount;
}

bool ParseEncodeArguments(const Arguments& args, EncodeOptions& options) {
    if (args.size() == 1) {
        options.folder = args[0];
        return true;
    }
    if (args.size() != 3 || args[1] != "--profile")
        return false;
    options.folder = args[0];
    return ParseProfile(args[2], options.profile);
}

} // namespace

int EncodeCommand(const Arguments& args, Streams io) {
    EncodeOptions options;
    if (!ParseEncodeArguments(args, options))
        return kExitUsage;

    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    LoadNotes notes;
    const bool loaded = LoadAll(*image, FolderArgument(options.folder), nullptr, &notes);
    PrintLoadNotes(notes, io.err);
    // Load all always leaves a profile current.
    const ProfileRecord& profile =
        options.profile >= 0 ? image->Profiles[options.profile] : *image->ActiveProfile();
    io.out << PlanText(EncodeUpload(profile));
    if (!loaded) {
        io.err << "mervikctl: some files of " << options.folder << " could not be read\n";
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace mervik::tools
