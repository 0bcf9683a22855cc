#include "ui/win32/main/ProgramWide.h"

namespace mervik::ui {

ProgramWide& Program() {
    static ProgramWide program;
    return program;
}

} // namespace mervik::ui
