#pragma once
// The changes the macro page's event menu and fields make to the steps being
// edited. Rows are named by their item value (see MacroEventRows).
#include <cstdint>
#include <string_view>

#include "macros/MacroEventBuffer.h"

namespace mervik {

// A decimal number read from a field: white space around it ignored, no
// digits read as 0, a number too large for the result held at its limit.
long long ParseFieldNumber(std::string_view text);

// The repeat count a field value stands for: 1..255.
int ClampRepeatCount(long long value);

// A pause typed over a pause row: 1..65535 ms.
uint16_t ClampEditedPause(long long value);

// Gives the step before the row's step a 1 ms pause, so that a pause row
// appears between them for editing. Only on a step row from step 2 on whose
// earlier step has no pause yet.
bool InsertDelayBefore(MacroEventBuffer& buffer, uint32_t row);

// Sets the pause of the step a pause row belongs to.
bool SetPauseOfRow(MacroEventBuffer& buffer, uint32_t row, uint16_t pause);

// On a pause row the pause goes; on a step row the step goes and the later
// ones move up.
bool DeleteRow(MacroEventBuffer& buffer, uint32_t row);

enum class MouseStepKind { Press, Release, Click };

// Inserts a mouse button's press, release or both (a click, only when both
// fit) in front of the menu row's step, or at the end without a row
// (`row` 0). Nothing changes when the steps do not fit.
bool InsertMouseStep(MacroEventBuffer& buffer, uint32_t row, uint8_t code, MouseStepKind kind);

// Where Record before and Record after put the keys they take: in front of
// or behind the row's step; appended without a row (`row` 0).
int RecordBeforeIndex(uint32_t row);
int RecordAfterIndex(uint32_t row);

} // namespace mervik
