#pragma once
// The rows of the macro page's event list: one row a step, and a pause row
// after each step that has a pause. Each row carries an item value, the step
// number (counting from 1) in its high half and its kind in the low half,
// which also picks the row's icon.
#include <cstdint>
#include <string>
#include <vector>

#include "macros/MacroEventBuffer.h"

namespace mervik {

enum class EventRowKind : uint16_t {
    Pause = 0x87,
    KeyRelease = 0x89,
    KeyPress = 0x8A,
    MouseStep = 0x92,
};

constexpr uint32_t EventRowValue(int eventNumber, EventRowKind kind) {
    return (static_cast<uint32_t>(eventNumber) << 16) | static_cast<uint16_t>(kind);
}
constexpr int EventNumberOfRow(uint32_t value) {
    return static_cast<int>(value >> 16);
}
constexpr EventRowKind KindOfRow(uint32_t value) {
    return static_cast<EventRowKind>(value & 0xFFFF);
}

// The words of the rows that are not key names, from the language library.
struct EventRowTexts {
    std::string mouseButtons[5]; // codes 240..244
    std::string down;            // after a mouse button's name, with its space
    std::string up;
    std::string pauseUnit; // after the pause's number, with its space
};

struct EventRow {
    uint32_t value;
    std::string text;
};

struct EventListView {
    std::vector<EventRow> rows;
    // The row the user worked on, which becomes the selection; -1 without rows.
    int caretRow = -1;
    // The row to scroll into view: the caret row, or two rows on from a
    // caret in the middle of a long list, so the rows after it show too.
    int scrollRow = -1;
};

// The rows for the buffer's steps. `caretRow` is the row asked for (-1 or
// past the end: the last); the highlighted step's last row takes its place.
EventListView BuildEventRows(const MacroEventBuffer& buffer, int caretRow,
                             const EventRowTexts& texts);

// "N ms" with the pause unit of `texts`.
std::string PauseRowText(int milliseconds, const EventRowTexts& texts);

} // namespace mervik
