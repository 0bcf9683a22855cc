#include "ui/core/ProfileExchangeTexts.h"

#include "lang/TextIds.h"
#include "ui/core/TextFill.h"

namespace mervik::ui {

std::string SharingFileName(std::string_view profileName) {
    std::string name;
    for (unsigned char c : profileName)
        name += c < 0x20 || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) !=
                                std::string_view::npos
                    ? '_'
                    : static_cast<char>(c);
    // Windows drops dots and blanks at a name's end.
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
    if (name.find_first_not_of('_') == std::string::npos)
        name = "profile";
    return name + "." + kProfileFileExtension;
}

std::string ImportQuestion(const TextLookup& text, int index, const std::string& replaced,
                           const std::string& imported, size_t macrosAdded, size_t mended) {
    std::string question =
        FillTexts(text(kTextImportConfirm),
                  {std::to_string(index + 1), replaced, imported, std::to_string(macrosAdded)});
    if (mended > 0)
        question += "\n\n" + FillTexts(text(kTextImportMended), {std::to_string(mended)});
    return question;
}

} // namespace mervik::ui
