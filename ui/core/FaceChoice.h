#pragma once
// Which of its four skin faces a control shows, from its state alone.

namespace mervik::ui {

enum class Face { Normal, Over, Down, Disable };

struct ButtonState {
    bool toggle = false;  // a click flips `pressed`
    bool pressed = false; // also called checked
    bool hover = false;
    bool clicking = false; // the system reports the button as being pushed
    bool disabled = false;
};

Face SkinButtonFace(const ButtonState& s);

// The colour button reuses its faces differently: Over marks the chosen
// colour, Down the one under the pointer.
Face ColorButtonFace(const ButtonState& s);

// Region button states as it keeps them.
enum class RgnState { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };
Face RgnButtonFace(RgnState state, bool checked);

} // namespace mervik::ui
