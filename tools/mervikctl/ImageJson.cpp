#include "tools/mervikctl/ImageJson.h"

#include <algorithm>

#include "settings/ProfileKeys.h"
#include "settings/TextField.h"
#include "tools/mervikctl/JsonWriter.h"

namespace mervik::tools {

namespace {

void WriteEvents(JsonWriter& json, const MacroEvent* events, int count) {
    json.BeginArray("Events");
    for (int i = 0; i < std::clamp(count, 0, kMaxMacroEvents); ++i)
        json.NumberRow({}, {events[i].code, events[i].action, events[i].delay});
    json.EndArray();
}

void WriteSlot(JsonWriter& json, const ButtonAssignment& b) {
    json.BeginObject();
    json.Number("Slot", b.Slot);
    json.Number("Function", b.Function);
    json.Number("FireCount", b.FireCount);
    json.Number("FireInterval", b.FireInterval);
    json.Number("RunMode", b.RunMode);
    json.Text("MacroName", TextOfField(b.MacroName));
    json.Number("MacroRepeat", b.MacroRepeat);
    json.Number("EventCount", b.EventCount);
    WriteEvents(json, b.Events, b.EventCount);
    json.Text("ProgramPath", TextOfField(b.ProgramPath));
    json.EndObject();
}

// Walks the profile keys in file order; the slots are gathered into one array.
class ProfileWriter {
public:
    explicit ProfileWriter(JsonWriter& json) : json_(json) {}
    template <size_t N> void Text(const std::string& key, const char (&field)[N]) {
        json_.Text(key, TextOfField(field));
    }
    void Int(const std::string& key, int32_t value) { json_.Number(key, value); }
    void Byte(const std::string& key, uint8_t value, const std::string&) {
        json_.Number(key, value);
    }
    void Slot(const std::string&, const ButtonAssignment& slot, int n) {
        if (n == 0)
            json_.BeginArray("MacroKeyInfo");
        WriteSlot(json_, slot);
        if (n == kSlotCount - 1)
            json_.EndArray();
    }

private:
    JsonWriter& json_;
};

void WriteMacros(JsonWriter& json, const MacroList& macros) {
    json.BeginArray("Macros");
    for (int i = 0; i < macros.Count(); ++i) {
        const MacroRecord& m = *macros.RecordAt(i);
        json.BeginObject();
        json.Text("Name", TextOfField(m.Name));
        json.Number("RepeatCount", m.RepeatCount);
        json.Number("EventCount", m.EventCount);
        WriteEvents(json, m.Events, m.EventCount);
        json.EndObject();
    }
    json.EndArray();
}

} // namespace

void WriteImageJson(std::ostream& out, const SharedSettingsBlock& image, const ConfigValues& config,
                    const MacroList& macros) {
    JsonWriter json(out);
    json.BeginObject();
    json.Number("CurrentProfile", image.CurrentProfile);
    json.Number("MouseType", image.MouseType);
    json.Number("LedType", image.LedType);
    json.Number("FWVersion", config.FWVersion);
    json.Number("MouseColor", config.MouseColor);
    json.Number("Device", config.Device);
    json.Text("Language", LanguageChoiceValue(config.Language));
    json.BeginArray("Profiles");
    for (const ProfileRecord& profile : image.Profiles) {
        json.BeginObject();
        ProfileWriter writer(json);
        ForEachProfileKey(profile, writer);
        json.EndObject();
    }
    json.EndArray();
    WriteMacros(json, macros);
    json.EndObject();
}

} // namespace mervik::tools
