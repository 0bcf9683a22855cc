#include "service/core/ProfileLabels.h"

#include <cctype>

#include "service/core/MonitorConstants.h"
#include "settings/TextField.h"

namespace mervik {

namespace {

// In a double-byte code page a byte 0x81..0xFE starts a two-byte character.
bool StartsDoubleByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

bool OnlyBlanks(std::string_view text) {
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

std::string FillText(std::string_view format, std::string_view first, std::string_view second) {
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() &&
            (format[i + 1] == '1' || format[i + 1] == '2')) {
            out += format[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

std::string ProfileDisplayName(const ProfileRecord& profile, int index,
                               std::string_view unnamedFormat) {
    std::string name = TextOfField(profile.ProFileName);
    if (!OnlyBlanks(name))
        return name;
    return FillText(unnamedFormat, std::to_string(index + 1));
}

std::string CutText(std::string_view text, size_t maxBytes) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t width = StartsDoubleByte(text[end]) && end + 1 < text.size() ? 2 : 1;
        if (end + width > maxBytes)
            break;
        end += width;
    }
    return std::string(text.substr(0, end));
}

std::string TrayTipText(std::string_view format, std::string_view tip,
                        std::string_view profileName) {
    if (profileName.empty())
        return CutText(tip, monitor::kTipMaxChars);
    return CutText(FillText(format, tip, profileName), monitor::kTipMaxChars);
}

std::string TipWithState(std::string_view stateFormat, std::string_view tip) {
    if (stateFormat.empty()) // no language library
        return std::string(tip);
    const size_t stateBytes = FillText(stateFormat, "").size();
    if (stateBytes >= monitor::kTipMaxChars)
        return CutText(FillText(stateFormat, ""), monitor::kTipMaxChars);
    return FillText(stateFormat, CutText(tip, monitor::kTipMaxChars - stateBytes));
}

} // namespace mervik
