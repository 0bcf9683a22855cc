#include "exchange/ProfileSharingFile.h"

#include <algorithm>
#include <iterator>

#include "exchange/ProfileJson.h"
#include "macros/MacroName.h"
#include "settings/FunctionCodes.h"
#include "settings/TextField.h"

namespace mervik {

std::vector<MacroRecord> MacrosPlayedBy(const ProfileRecord& profile) {
    std::vector<MacroRecord> macros;
    for (const ButtonAssignment& button : profile.Buttons) {
        const std::string name = TextOfField(button.MacroName);
        if (button.Function != fn::Macro || TrimmedMacroName(name).empty())
            continue;
        bool listed = false;
        for (const MacroRecord& macro : macros)
            listed |= TextOfField(macro.Name) == name;
        if (listed)
            continue;
        MacroRecord macro{};
        SetTextField(macro.Name, name);
        macro.RepeatCount = button.MacroRepeat;
        macro.EventCount = button.EventCount;
        std::copy(std::begin(button.Events), std::end(button.Events), std::begin(macro.Events));
        macros.push_back(macro);
    }
    return macros;
}

std::string WriteProfileSharingFile(const ProfileRecord& profile) {
    Json file = Json::object();
    file["format"] = std::string(kProfileFormatName);
    file["version"] = kProfileFormatVersion;
    file["profile"] = ProfileToJson(profile);
    file["macros"] = Json::array();
    for (const MacroRecord& macro : MacrosPlayedBy(profile))
        file["macros"].push_back(MacroToJson(macro));
    return JsonDocument(file);
}

std::optional<SharedProfileContent> ReadProfileSharingFile(std::string_view text,
                                                           std::string& error) {
    const Json file = ParseJson(text);
    if (!file.is_object()) {
        error = "it is not a profile file (no JSON object)";
        return std::nullopt;
    }
    const auto format = file.find("format");
    if (format == file.end() || !IsJsonText(*format, kProfileFormatName)) {
        error = std::string("it is not a profile file (its format is not \"") + kProfileFormatName +
                "\")";
        return std::nullopt;
    }
    const std::optional<long long> version = JsonInteger(file, "version", 1, 1LL << 31);
    if (!version) {
        error = "its version is missing or not a number";
        return std::nullopt;
    }
    if (*version > kProfileFormatVersion) {
        error =
            "it was written by a newer version (format version " + std::to_string(*version) + ")";
        return std::nullopt;
    }
    const auto profile = file.find("profile");
    if (profile == file.end() || !profile->is_object()) {
        error = "it holds no profile";
        return std::nullopt;
    }
    const auto macros = file.find("macros");
    return SharedProfileContent{*profile, macros == file.end() ? Json::array() : *macros};
}

} // namespace mervik
