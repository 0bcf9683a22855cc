#pragma once
// What must hold for any bytes read as an INI file or a profile file, shared by
// the bounded random test and the libFuzzer target. Each check returns an
// empty text when all holds, else what broke.
#include <cstring>
#include <string>
#include <string_view>

#include "settings/IniDocument.h"
#include "settings/IniText.h"
#include "settings/ProfileFile.h"
#include "settings/ProfileRanges.h"

namespace mervik::testing {

// Parsing keeps every byte; a write is read back as written and leaves the
// values of other keys alone.
inline std::string CheckIniInput(std::string_view bytes, std::string_view section,
                                 std::string_view key, std::string_view value) {
    IniDocument doc(bytes);
    if (doc.Bytes() != bytes)
        return "parse and serialise changed the bytes";
    const char* const probes[][2] = {
        {"s", "k"}, {"Setting", "ProFileName"}, {"", "a"}, {"t", "MacroKeyInfo0"}};
    std::optional<std::string_view> before[std::size(probes)];
    std::string kept[std::size(probes)];
    for (size_t i = 0; i < std::size(probes); ++i)
        if ((before[i] = doc.Find(probes[i][0], probes[i][1])))
            kept[i] = std::string(*before[i]);
    uint8_t buffer[7] = {};
    doc.ReadStruct(section, key, buffer, sizeof buffer);
    doc.ReadInt(section, key, -1);
    doc.ReadText(section, key, "");

    doc.WriteText(section, key, value);
    // Names no file line can hold are only checked for the bytes they leave:
    // a line break is cut where it is written but not where it is looked up,
    // and a key with '=' or a leading '[' reads back as another line.
    constexpr std::string_view breaks("\r\n\0", 3);
    std::string_view trimmedKey = ini::Trim(key);
    bool oddNames = section.find_first_of(breaks) != std::string_view::npos ||
                    key.find_first_of(breaks) != std::string_view::npos ||
                    trimmedKey.find('=') != std::string_view::npos || trimmedKey.starts_with('[');
    if (oddNames)
        return IniDocument(doc.Bytes()).Bytes() == doc.Bytes()
                   ? ""
                   : "an edited file did not parse back to itself";
    // Leading blanks (line breaks among them) go first, then the value ends
    // at its first line break.
    std::string_view expected = value;
    while (!expected.empty() && ini::IsBlank(expected.front()))
        expected.remove_prefix(1);
    expected = expected.substr(0, expected.find_first_of(breaks));
    auto found = doc.Find(section, key);
    if (!found || *found != ini::Trim(expected))
        return "a written value did not read back";
    for (size_t i = 0; i < std::size(probes); ++i) {
        bool same = ini::NamesEqual(ini::Trim(section), probes[i][0]) &&
                    ini::NamesEqual(ini::Trim(key), probes[i][1]);
        auto after = doc.Find(probes[i][0], probes[i][1]);
        if (!same && (after.has_value() != before[i].has_value() || (after && *after != kept[i])))
            return "a write changed another key";
    }
    if (IniDocument(doc.Bytes()).Bytes() != doc.Bytes())
        return "an edited file did not parse back to itself";
    return {};
}

// A profile read from any bytes is bounded wherever a reader could overrun,
// and once its ranges are repaired every field is in range.
inline std::string CheckProfileInput(std::string_view bytes) {
    ProfileRecord record;
    std::memset(&record, 0xA5, sizeof record);
    ReadProfile(IniDocument(bytes), record);
    if (!std::memchr(record.ProFileName, 0, sizeof record.ProFileName) ||
        !std::memchr(record.GameFile, 0, sizeof record.GameFile))
        return "a text field lacks its terminator";
    for (int s = 0; s < kSlotCount; ++s) {
        const ButtonAssignment& b = record.Buttons[s];
        if (b.Slot != s || b.EventCount > kMaxMacroEvents ||
            !std::memchr(b.MacroName, 0, sizeof b.MacroName) ||
            !std::memchr(b.ProgramPath, 0, sizeof b.ProgramPath))
            return "slot " + std::to_string(s) + " is not bounded";
    }
    RepairProfileRanges(record);
    if (!RepairProfileRanges(record).empty())
        return "a repaired profile still has a field out of range";
    return {};
}

} // namespace mervik::testing
