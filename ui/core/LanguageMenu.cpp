#include "ui/core/LanguageMenu.h"

#include "lang/TextIds.h"

namespace mervik::ui {

namespace {

constexpr LanguageChoice kChoices[] = {LanguageChoice::System, LanguageChoice::English,
                                       LanguageChoice::ChineseSimplified};
// Commands 0 and 1 are the menu's own: nothing chosen, and an item that
// takes no height (MenuLayout).
constexpr int kFirstCommand = 10;

} // namespace

unsigned LanguageChoiceText(LanguageChoice choice) {
    switch (choice) {
    case LanguageChoice::English:
        return kTextLanguageEnglish;
    case LanguageChoice::ChineseSimplified:
        return kTextLanguageChinese;
    case LanguageChoice::System:
        break;
    }
    return kTextLanguageSystem;
}

std::vector<LanguageMenuItem> LanguageMenu(LanguageChoice chosen) {
    std::vector<LanguageMenuItem> items;
    int command = kFirstCommand;
    for (LanguageChoice choice : kChoices)
        items.push_back({command++, LanguageChoiceText(choice), choice == chosen});
    return items;
}

std::optional<LanguageChoice> LanguageOfCommand(int command) {
    const int index = command - kFirstCommand;
    if (index < 0 || index >= static_cast<int>(std::size(kChoices)))
        return std::nullopt;
    return kChoices[index];
}

} // namespace mervik::ui
