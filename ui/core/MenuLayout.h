#pragma once
// Sizes and colours of the owner-drawn popup menu, apart from any window.
#include <cstdint>
#include <string>
#include <vector>

namespace mervik::ui {

using Colour = uint32_t; // 0x00BBGGRR

constexpr int kMenuSeparatorCommand = 2048; // appending this id appends a separator
constexpr int kMenuSeparatorItemId = 0;     // how a separator is measured and drawn
constexpr int kMenuHiddenItemId = 1;        // an item that takes no height
constexpr int kMenuSeparatorHeight = 5;
constexpr int kMenuItemPadding = 3;
constexpr int kMenuPixelsPerChar = 8;

struct MenuColours {
    Colour background = 0x583A0E;
    Colour highlight = 0xF0A434;
    Colour line = 0xF0A434;
    Colour text = 0xE0E0E0;
    Colour highlightText = 0xE0E0E0;
    Colour marked = 0xFFBF44; // text of an item whose marker is 1
};

struct MenuItem {
    std::string text;
    int number = 0;
    int command = 0;
    int marker = 0;
};

class MenuLayout {
public:
    // The display's scale: item heights, separators and the width a
    // character needs grow with it (widths and heights set above are the
    // caller's, already at the scale).
    int scalePercent = 100;
    int itemHeight = 14;
    int width = 0;
    int textMargin = 0;
    int extraWidth = 0;
    int totalHeight = 0;
    MenuColours colours;

    // Records the item and widens the menu to fit its text.
    const MenuItem& Append(int command, const std::string& text, int marker);

    // Height of one item when the system measures it; adds it to the total.
    int Measure(int itemId);

    struct Paint {
        Colour fill;
        Colour text;
    };
    Paint ItemPaint(bool selected, int marker) const;

    const std::vector<MenuItem>& Items() const { return items_; }
    const MenuItem* Find(int number) const;

private:
    std::vector<MenuItem> items_;
};

} // namespace mervik::ui
