#include "tools/mervikctl/ImageJson.h"

#include "exchange/JsonText.h"
#include "exchange/ProfileJson.h"

namespace mervik::tools {

void WriteImageJson(std::ostream& out, const SharedSettingsBlock& image, const ConfigValues& config,
                    const MacroList& macros) {
    Json json = Json::object();
    json["CurrentProfile"] = image.CurrentProfile;
    json["MouseType"] = image.MouseType;
    json["LedType"] = image.LedType;
    json["FWVersion"] = config.FWVersion;
    json["MouseColor"] = config.MouseColor;
    json["Device"] = config.Device;
    json["Language"] = LanguageChoiceValue(config.Language);
    json["Profiles"] = Json::array();
    for (const ProfileRecord& profile : image.Profiles)
        json["Profiles"].push_back(ProfileToJson(profile));
    json["Macros"] = Json::array();
    for (int i = 0; i < macros.Count(); ++i)
        json["Macros"].push_back(MacroToJson(*macros.RecordAt(i)));
    out << JsonDocument(json);
}

} // namespace mervik::tools
