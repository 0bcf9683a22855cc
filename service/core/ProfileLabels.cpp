#include "service/core/ProfileLabels.h"

#include <cctype>

#include "service/core/MonitorConstants.h"
#include "settings/StoredText.h"
#include "settings/TextField.h"
#include "settings/Utf8Cut.h"

namespace mervik {

namespace {

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
        return ShownFromStored(name);
    return FillText(unnamedFormat, std::to_string(index + 1));
}

std::string TrayTipText(std::string_view format, std::string_view tip,
                        std::string_view profileName) {
    if (profileName.empty())
        return CutToUtf16Units(tip, monitor::kTipMaxChars);
    return CutToUtf16Units(FillText(format, tip, profileName), monitor::kTipMaxChars);
}

std::string TipWithState(std::string_view stateFormat, std::string_view tip) {
    if (stateFormat.empty()) // no language library
        return std::string(tip);
    const size_t stateUnits = Utf16Length(FillText(stateFormat, ""));
    if (stateUnits >= monitor::kTipMaxChars)
        return CutToUtf16Units(FillText(stateFormat, ""), monitor::kTipMaxChars);
    return FillText(stateFormat, CutToUtf16Units(tip, monitor::kTipMaxChars - stateUnits));
}

} // namespace mervik
