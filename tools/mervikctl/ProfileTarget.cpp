#include "tools/mervikctl/ProfileTarget.h"

#include "tools/mervikctl/SettingsFolder.h"

namespace mervik::tools {

std::optional<ProfileTarget> ReadProfileTarget(std::string_view command, const Arguments& args,
                                               Streams io, int& exitCode) {
    exitCode = kExitUsage;
    std::optional<CommandArguments> given = CommandArguments::Read(command, args, io.err);
    if (!given)
        return std::nullopt;
    const std::optional<int> index = ReadProfileIndex(given->At(1));
    if (!index) {
        UsageError(command, ProfileIndexProblem("N", given->At(1)), io.err);
        return std::nullopt;
    }
    exitCode = kExitFailed;
    if (!CheckSettingsFolder(given->At(0), io.err))
        return std::nullopt;
    const std::string folder = FolderArgument(given->At(0));
    return ProfileTarget{std::move(*given), folder, *index};
}

} // namespace mervik::tools
