#include "service/core/ForegroundMatch.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "settings/PathFileName.h"
#include "settings/TextField.h"

namespace mervik {

namespace {

std::string_view Trimmed(std::string_view text) {
    auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A drive without a folder ("C:game.exe") is no part of the name either.
std::string_view FileNameOf(std::string_view path) {
    std::string_view name = PathFileName(path);
    size_t drive = name.find_last_of(':');
    return drive == std::string_view::npos ? name : name.substr(drive + 1);
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string MatchedProgramName(const ProfileRecord& profile) {
    // The field comes from a file or another program: it may lack its terminator.
    const std::string gameFile = TextOfField(profile.GameFile);
    return std::string(FileNameOf(Trimmed(gameFile)));
}

std::optional<int> ProfileForProgram(const SharedSettingsBlock& image,
                                     std::string_view executable) {
    if (executable.empty())
        return std::nullopt;
    for (int i = 0; i < kProfileCount; ++i) {
        const std::string name = MatchedProgramName(image.Profiles[i]);
        if (!name.empty() && SameNameIgnoringCase(name, executable))
            return i;
    }
    return std::nullopt;
}

} // namespace mervik
