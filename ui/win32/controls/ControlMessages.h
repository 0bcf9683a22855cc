#pragma once
// What the skinned controls post to their parents. Controls carry identifier
// 0, so parents tell them apart by window handle or by the id a control was
// given for its notices.

namespace mervik::ui {

constexpr unsigned kMsgEditEnter = 1116;     // wParam 13
constexpr unsigned kMsgSliderValue = 1094;   // wParam value, lParam control id
constexpr unsigned kMsgListItemAdded = 1524; // wParam index, lParam control id
constexpr unsigned kMsgListItemRenamed = 1526;
constexpr unsigned kMsgListRightClick = 1724; // lParam control id
constexpr unsigned kMsgSpinValue = 1114;      // wParam number, lParam control id
constexpr char kEditChangedMessageName[] = "BitmapEdit_KillFocus";

// The registered message CBitmapEdit posts after each change and focus loss.
unsigned EditChangedMessage();

} // namespace mervik::ui
