#include "hiddriver/sim/SimControl.h"

#include <charconv>
#include <sstream>

namespace mervik::sim {

namespace {

std::string Hex(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex(1, '"');
    for (uint8_t b : bytes) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 0xF];
    }
    hex += '"';
    return hex;
}

const char* ReadAnswerName(ReadAnswer answer) {
    switch (answer) {
    case ReadAnswer::Garbage:
        return "garbage";
    case ReadAnswer::Silent:
        return "silent";
    default:
        return "normal";
    }
}

const char* Bool(bool b) {
    return b ? "true" : "false";
}

std::string BanksJson(const MouseMemory& m) {
    std::string json = "[";
    for (size_t b = 0; b < m.banks.size(); ++b) {
        if (b)
            json += ',';
        json += Hex(m.banks[b]);
    }
    json += ']';
    return json;
}

// Splits "verb argument" at the first space; trailing line ends are dropped.
std::pair<std::string_view, std::string_view> Split(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
        line.remove_suffix(1);
    size_t space = line.find(' ');
    if (space == std::string_view::npos)
        return {line, {}};
    return {line.substr(0, space), line.substr(space + 1)};
}

bool ParseCount(std::string_view text, int& count) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), count);
    return ec == std::errc() && end == text.data() + text.size() && count >= 0;
}

std::string Counted(SimulatedMouse& mouse, std::string_view verb, std::string_view arg) {
    int count = 0;
    if (!ParseCount(arg, count))
        return "error: " + std::string(verb) + " needs a count\n";
    if (verb == "fail")
        mouse.FailNext(count);
    else
        mouse.VanishAfter(count);
    return "ok\n";
}

std::string ReadMode(SimulatedMouse& mouse, std::string_view arg) {
    if (arg == "normal")
        mouse.AnswerReadsWith(ReadAnswer::Normal);
    else if (arg == "garbage")
        mouse.AnswerReadsWith(ReadAnswer::Garbage);
    else if (arg == "silent")
        mouse.AnswerReadsWith(ReadAnswer::Silent);
    else
        return "error: read takes normal, garbage or silent\n";
    return "ok\n";
}

std::string Plain(SimulatedMouse& mouse, std::string_view verb) {
    if (verb == "plug")
        mouse.Plug();
    else if (verb == "unplug")
        mouse.Unplug();
    else if (verb == "dpi")
        mouse.PressDpiButton();
    else if (verb == "rate")
        mouse.PressRateButton();
    else if (verb == "clear-log")
        mouse.ClearLog();
    else
        return "error: unknown command\n";
    return "ok\n";
}

} // namespace

std::string StateJson(const SimulatedMouse& mouse) {
    const MouseMemory& m = mouse.Memory();
    std::ostringstream json;
    json << "{\"present\":" << Bool(mouse.Present())
         << ",\"featureOpen\":" << Bool(mouse.FeatureOpen())
         << ",\"reportOpen\":" << Bool(mouse.ReportOpen())
         << ",\"reportIntervalMs\":" << int(m.reportIntervalMs) << ",\"lighting\":["
         << int(m.lighting[0]) << ',' << int(m.lighting[1]) << ',' << int(m.lighting[2])
         << "],\"colours\":" << Hex(m.colours) << ",\"dpiLevels\":" << Hex(m.dpiLevels)
         << ",\"activeLevel\":" << int(m.activeLevel) << ",\"fixedReports\":" << m.fixedReports
         << ",\"buttonMap\":" << Hex(m.buttonMap) << ",\"banks\":" << BanksJson(m)
         << ",\"transfers\":" << mouse.Transfers() << ",\"malformed\":" << mouse.Malformed()
         << ",\"logDropped\":" << mouse.LogDropped()
         << ",\"faults\":{\"failNext\":" << mouse.FailNextCount()
         << ",\"vanishAfter\":" << mouse.VanishAfterCount() << ",\"read\":\""
         << ReadAnswerName(mouse.ReadAnswerMode()) << "\"}}\n";
    return json.str();
}

std::string LogText(const SimulatedMouse& mouse) {
    std::string text;
    for (const LogEntry& e : mouse.Log()) {
        text += std::to_string(e.timeUs) + ' ' + e.line;
        if (!e.error.empty())
            text += " ! " + e.error;
        text += '\n';
    }
    return text;
}

std::string RunControlCommand(SimulatedMouse& mouse, std::string_view line) {
    auto [verb, arg] = Split(line);
    if (verb == "state")
        return StateJson(mouse);
    if (verb == "log")
        return LogText(mouse);
    if (verb == "fail" || verb == "vanish")
        return Counted(mouse, verb, arg);
    if (verb == "read")
        return ReadMode(mouse, arg);
    if (!arg.empty())
        return "error: " + std::string(verb) + " takes no argument\n";
    return Plain(mouse, verb);
}

} // namespace mervik::sim
