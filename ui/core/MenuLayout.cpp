#include "ui/core/MenuLayout.h"

#include <algorithm>

#include "ui/core/DisplayScale.h"

namespace mervik::ui {

const MenuItem& MenuLayout::Append(int command, const std::string& text, int marker) {
    int number = static_cast<int>(items_.size());
    items_.push_back({text, number, command, marker});
    int wanted = extraWidth +
                 ScaleLength(kMenuPixelsPerChar, scalePercent) * static_cast<int>(text.size()) +
                 textMargin;
    width = std::max(width, wanted);
    return items_.back();
}

int MenuLayout::Measure(int itemId) {
    int height = itemHeight + ScaleLength(kMenuItemPadding, scalePercent);
    if (itemId == kMenuSeparatorItemId)
        height = ScaleLength(kMenuSeparatorHeight, scalePercent);
    else if (itemId == kMenuHiddenItemId)
        height = 0;
    totalHeight += height;
    return height;
}

MenuLayout::Paint MenuLayout::ItemPaint(bool selected, int marker) const {
    Paint paint = selected ? Paint{colours.highlight, colours.highlightText}
                           : Paint{colours.background, colours.text};
    if (marker == 1)
        paint.text = colours.marked;
    return paint;
}

const MenuItem* MenuLayout::Find(int number) const {
    if (number < 0 || number >= static_cast<int>(items_.size()))
        return nullptr;
    return &items_[static_cast<size_t>(number)];
}

} // namespace mervik::ui
