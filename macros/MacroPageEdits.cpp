#include "macros/MacroPageEdits.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "macros/MacroEventRows.h"

namespace mervik {

namespace {

// The step index a row belongs to, or -1 when the row names no step.
int StepOfRow(const MacroEventBuffer& buffer, uint32_t row) {
    const int index = EventNumberOfRow(row) - 1;
    return index >= 0 && index < buffer.count ? index : -1;
}

bool IsPauseRow(uint32_t row) {
    return KindOfRow(row) == EventRowKind::Pause;
}

} // namespace

long long ParseFieldNumber(std::string_view text) {
    auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 9;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value > kLimit ? kLimit : value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

int ClampRepeatCount(long long value) {
    return static_cast<int>(std::clamp<long long>(value, 1, kMaxMacroRepeat));
}

uint16_t ClampEditedPause(long long value) {
    return static_cast<uint16_t>(std::clamp<long long>(value, 1, 65535));
}

bool InsertDelayBefore(MacroEventBuffer& buffer, uint32_t row) {
    const int step = StepOfRow(buffer, row);
    if (IsPauseRow(row) || step < 1 || buffer.events[step - 1].delay != 0)
        return false;
    buffer.events[step - 1].delay = 1;
    buffer.highlighted = step - 1;
    return true;
}

bool SetPauseOfRow(MacroEventBuffer& buffer, uint32_t row, uint16_t pause) {
    const int step = StepOfRow(buffer, row);
    if (!IsPauseRow(row) || step < 0)
        return false;
    buffer.events[step].delay = pause;
    buffer.highlighted = step;
    return true;
}

bool DeleteRow(MacroEventBuffer& buffer, uint32_t row) {
    const int step = StepOfRow(buffer, row);
    if (step < 0)
        return false;
    if (IsPauseRow(row)) {
        buffer.events[step].delay = 0;
    } else {
        std::copy(buffer.events + step + 1, buffer.events + buffer.count, buffer.events + step);
        --buffer.count;
        buffer.events[buffer.count] = MacroEvent{};
    }
    buffer.highlighted = step;
    return true;
}

bool InsertMouseStep(MacroEventBuffer& buffer, uint32_t row, uint8_t code, MouseStepKind kind) {
    const int needed = kind == MouseStepKind::Click ? 2 : 1;
    if (!IsMouseButtonCode(code) || buffer.count + needed > kMaxMacroEvents)
        return false;
    buffer.insertIndex = RecordBeforeIndex(row);
    if (kind != MouseStepKind::Release)
        buffer.Insert(MacroEvent{code, MacroPress, 0});
    if (kind != MouseStepKind::Press)
        buffer.Insert(MacroEvent{code, MacroRelease, 0});
    buffer.insertIndex = -1;
    return true;
}

int RecordBeforeIndex(uint32_t row) {
    return row == 0 ? -1 : EventNumberOfRow(row) - 1;
}

int RecordAfterIndex(uint32_t row) {
    return row == 0 ? -1 : EventNumberOfRow(row);
}

} // namespace mervik
