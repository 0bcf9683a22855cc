#pragma once
// Where the pointer sliders of the macro page stand for a profile's stored
// values, and the values their positions stand for.

namespace mervik::ui {

constexpr int kSpeedPositions = 11;       // the pointer speed slider, 1..11
constexpr int kSensitivityPositions = 10; // the two sensitivity sliders, 1..10
constexpr int kSpeedSpinOffset = 6;       // the speed spin field shows position - 6

// The stored MouseSpeed (or sensitivity) of a slider position: 1, 2, 4, ... 20.
int SpeedOfPosition(int position);
// The position shown for a stored value; 6 for anything the table lacks.
int PositionOfSpeed(int value);

constexpr int kDoubleClickSliderMax = 700;
// The double-click slider runs from 900 ms (left) to 200 ms (right).
int DoubleClickTimeOfPosition(int position);
int PositionOfDoubleClickTime(int milliseconds);

} // namespace mervik::ui
