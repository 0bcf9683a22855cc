#include "macros/MacroEventRows.h"

#include "settings/KeyTable.h"

namespace mervik {

namespace {

constexpr int kFirstMouseCode = 240;
// A caret this many rows from either end stays where it is.
constexpr int kCaretMargin = 3;
constexpr int kCaretLead = 2;

EventRow StepRow(const MacroEvent& event, int number, const EventRowTexts& texts) {
    const bool press = event.action == MacroPress;
    if (IsMouseButtonCode(event.code)) {
        return {EventRowValue(number, EventRowKind::MouseStep),
                texts.mouseButtons[event.code - kFirstMouseCode] + (press ? texts.down : texts.up)};
    }
    return {EventRowValue(number, press ? EventRowKind::KeyPress : EventRowKind::KeyRelease),
            std::string(KeyNameOfUsage(event.code))};
}

} // namespace

std::string PauseRowText(int milliseconds, const EventRowTexts& texts) {
    return std::to_string(milliseconds) + texts.pauseUnit;
}

EventListView BuildEventRows(const MacroEventBuffer& buffer, int caretRow,
                             const EventRowTexts& texts) {
    EventListView view;
    for (int i = 0; i < buffer.count; ++i) {
        const MacroEvent& event = buffer.events[i];
        view.rows.push_back(StepRow(event, i + 1, texts));
        if (event.delay != 0) {
            view.rows.push_back(
                {EventRowValue(i + 1, EventRowKind::Pause), PauseRowText(event.delay, texts)});
        }
        if (i == buffer.highlighted)
            caretRow = static_cast<int>(view.rows.size()) - 1;
    }
    const int rowCount = static_cast<int>(view.rows.size());
    if (rowCount == 0)
        return view;
    const int row = (caretRow < 0 || caretRow >= rowCount) ? rowCount - 1 : caretRow;
    view.caretRow = row;
    view.scrollRow = row > kCaretMargin && row < rowCount - kCaretMargin ? row + kCaretLead : row;
    return view;
}

} // namespace mervik
