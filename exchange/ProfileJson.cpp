#include "exchange/ProfileJson.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "settings/ProfileKeys.h"
#include "settings/SlotRepair.h"
#include "settings/TextField.h"

namespace mervik {

namespace {

constexpr int32_t kMissingInt = -1;
constexpr char kSlotsKey[] = "MacroKeyInfo";

Json EventsToJson(const MacroEvent* events, int count) {
    Json rows = Json::array();
    for (int i = 0; i < std::clamp(count, 0, kMaxMacroEvents); ++i)
        rows.push_back(Json::array({events[i].code, events[i].action, events[i].delay}));
    return rows;
}

// Steps from a list of [code, action, delay]; false when it is no such list
// or holds more than a macro takes.
bool EventsFromJson(const Json& rows, MacroEvent* events, int& count) {
    if (!rows.is_array() || rows.size() > static_cast<size_t>(kMaxMacroEvents))
        return false;
    count = 0;
    for (const Json& row : rows) {
        if (!row.is_array() || row.size() != 3)
            return false;
        const long long limits[3] = {255, 255, 65535};
        uint32_t values[3] = {};
        for (size_t k = 0; k < 3; ++k) {
            if (!row[k].is_number_integer() || row[k].get<long long>() < 0 ||
                row[k].get<long long>() > limits[k])
                return false;
            values[k] = static_cast<uint32_t>(row[k].get<long long>());
        }
        events[count].code = static_cast<uint8_t>(values[0]);
        events[count].action = static_cast<uint8_t>(values[1]);
        events[count].delay = static_cast<uint16_t>(values[2]);
        ++count;
    }
    return true;
}

Json SlotToJson(const ButtonAssignment& b) {
    Json slot = Json::object();
    slot["Slot"] = b.Slot;
    slot["Function"] = b.Function;
    slot["FireCount"] = b.FireCount;
    slot["FireInterval"] = b.FireInterval;
    slot["RunMode"] = b.RunMode;
    slot["MacroName"] = JsonOfBytes(TextOfField(b.MacroName));
    slot["MacroRepeat"] = b.MacroRepeat;
    slot["EventCount"] = b.EventCount;
    slot["Events"] = EventsToJson(b.Events, b.EventCount);
    slot["ProgramPath"] = JsonOfBytes(TextOfField(b.ProgramPath));
    return slot;
}

constexpr long long kIntLow = std::numeric_limits<int32_t>::min();
constexpr long long kIntHigh = std::numeric_limits<int32_t>::max();

// A text member that fits `size` bytes with its terminator; none otherwise.
template <size_t N> bool TextMember(const Json& object, const char* key, char (&field)[N]) {
    const auto found = object.find(key);
    if (found == object.end())
        return true; // absent: stays empty
    const std::optional<std::string> bytes = BytesOfJson(*found);
    if (!bytes || bytes->size() >= N || bytes->find('\0') != std::string::npos)
        return false;
    SetTextField(field, *bytes);
    return true;
}

bool IntMember(const Json& object, const char* key, int32_t& field) {
    if (!object.contains(key))
        return true; // absent: stays 0, as in a reset slot
    const std::optional<long long> value = JsonInteger(object, key, kIntLow, kIntHigh);
    if (value)
        field = static_cast<int32_t>(*value);
    return value.has_value();
}

bool SlotFromJson(const Json& object, ButtonAssignment& b, int n) {
    std::memset(&b, 0, sizeof b);
    if (!object.is_object())
        return false;
    const std::optional<long long> function = JsonInteger(object, "Function", 0, 255);
    if (!function)
        return false;
    b.Function = static_cast<uint8_t>(*function);
    int32_t eventCount = 0;
    bool usable = IntMember(object, "FireCount", b.FireCount) &&
                  IntMember(object, "FireInterval", b.FireInterval) &&
                  IntMember(object, "RunMode", b.RunMode) &&
                  IntMember(object, "MacroRepeat", b.MacroRepeat) &&
                  IntMember(object, "EventCount", eventCount) &&
                  TextMember(object, "MacroName", b.MacroName) &&
                  TextMember(object, "ProgramPath", b.ProgramPath);
    int rows = 0;
    if (usable && object.contains("Events"))
        usable = EventsFromJson(object["Events"], b.Events, rows);
    // The count says how many steps count; it cannot claim steps the file lacks.
    if (!usable || eventCount < 0 || eventCount > rows)
        return false;
    b.EventCount = static_cast<uint16_t>(eventCount);
    MakeSlotSafe(b, n);
    return true;
}

class JsonProfileWriter {
public:
    explicit JsonProfileWriter(Json& out) : out_(out) {}
    template <size_t N> void Text(const std::string& key, const char (&field)[N]) {
        out_[key] = JsonOfBytes(TextOfField(field));
    }
    void Int(const std::string& key, int32_t value) { out_[key] = value; }
    void Byte(const std::string& key, uint8_t value, const std::string&) { out_[key] = value; }
    void Slot(const std::string&, const ButtonAssignment& slot, int n) {
        if (n == 0)
            out_[kSlotsKey] = Json::array();
        out_[kSlotsKey].push_back(SlotToJson(slot));
    }

private:
    Json& out_;
};

class JsonProfileReader {
public:
    JsonProfileReader(const Json& in, LoadNotes* notes) : in_(in), notes_(notes) {}
    template <size_t N> void Text(const std::string& key, char (&field)[N]) {
        const auto found = in_.find(key);
        if (found != in_.end())
            found_ = true;
        const std::optional<std::string> bytes =
            found == in_.end() ? std::optional<std::string>() : BytesOfJson(*found);
        SetTextField(field, bytes ? *bytes : std::string());
    }
    void Int(const std::string& key, int32_t& field) {
        found_ |= in_.contains(key);
        field =
            static_cast<int32_t>(JsonInteger(in_, key, kIntLow, kIntHigh).value_or(kMissingInt));
    }
    void Byte(const std::string& key, uint8_t& field, const std::string&) {
        found_ |= in_.contains(key);
        // The low 8 bits of what is read, as the profile file keeps a byte.
        field =
            static_cast<uint8_t>(JsonInteger(in_, key, kIntLow, kIntHigh).value_or(kMissingInt));
    }
    void Slot(const std::string&, ButtonAssignment& slot, int n) {
        const auto found = in_.find(kSlotsKey);
        const bool listed = found != in_.end() && found->is_array();
        if (listed)
            found_ = true;
        if (listed && static_cast<size_t>(n) < found->size() && SlotFromJson((*found)[n], slot, n))
            return;
        if (listed)
            AddNote(notes_, "button slot " + std::to_string(n) +
                                " is missing or damaged: it has its default function");
        ResetSlot(slot, n);
    }
    bool Found() const { return found_; }

private:
    const Json& in_;
    LoadNotes* notes_;
    bool found_ = false;
};

} // namespace

Json ProfileToJson(const ProfileRecord& profile) {
    Json out = Json::object();
    JsonProfileWriter writer(out);
    ForEachProfileKey(profile, writer);
    return out;
}

Json MacroToJson(const MacroRecord& macro) {
    Json out = Json::object();
    out["Name"] = JsonOfBytes(TextOfField(macro.Name));
    out["RepeatCount"] = macro.RepeatCount;
    out["EventCount"] = macro.EventCount;
    out["Events"] = EventsToJson(macro.Events, macro.EventCount);
    return out;
}

bool ProfileFromJson(const Json& object, ProfileRecord& profile, LoadNotes* notes) {
    if (!object.is_object())
        return false;
    JsonProfileReader reader(object, notes);
    ForEachProfileKey(profile, reader);
    return reader.Found();
}

bool MacroFromJson(const Json& object, MacroRecord& macro) {
    std::memset(&macro, 0, sizeof macro);
    if (!object.is_object() || !TextMember(object, "Name", macro.Name))
        return false;
    int rows = 0;
    const std::optional<long long> repeat = JsonInteger(object, "RepeatCount", kIntLow, kIntHigh);
    if (!repeat || !object.contains("Events") ||
        !EventsFromJson(object["Events"], macro.Events, rows))
        return false;
    macro.RepeatCount = static_cast<int32_t>(*repeat);
    const std::optional<long long> count = JsonInteger(object, "EventCount", 0, rows);
    macro.EventCount = static_cast<int32_t>(count.value_or(rows));
    return !object.contains("EventCount") || count.has_value();
}

} // namespace mervik
