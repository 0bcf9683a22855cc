#pragma once
// Option as a process: one instance, the program folder, the menu frame hook,
// then the main window until it closes.

namespace mervik::ui {

class COptionApp {
public:
    // The process's exit code.
    int Run();
};

} // namespace mervik::ui
