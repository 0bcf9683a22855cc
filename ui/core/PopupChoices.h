#pragma once
// The items of a small value menu of page 1: the command each sends and the
// language text it shows.
#include <vector>

namespace mervik::ui {

struct PopupChoice {
    int command = 0;
    int text = 0;
};

using PopupChoices = std::vector<PopupChoice>;

} // namespace mervik::ui
