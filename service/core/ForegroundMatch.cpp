#include "service/core/ForegroundMatch.h"

#include <algorithm>
#include <cctype>
#include <string>

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

std::string_view FileNameOf(std::string_view path) {
    size_t slash = path.find_last_of("\\/:");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::optional<int> ProfileForProgram(const SharedSettingsBlock& image,
                                     std::string_view executable) {
    if (executable.empty())
        return std::nullopt;
    for (int i = 0; i < kProfileCount; ++i) {
        // The field comes from a file or another program: it may lack its terminator.
        const std::string gameFile = TextOfField(image.Profiles[i].GameFile);
        std::string_view name = FileNameOf(Trimmed(gameFile));
        if (!name.empty() && SameNameIgnoringCase(name, executable))
            return i;
    }
    return std::nullopt;
}

} // namespace mervik
