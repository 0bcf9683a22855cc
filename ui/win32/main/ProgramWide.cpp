#include "ui/win32/main/ProgramWide.h"

#include "lang/TextIds.h"

namespace mervik::ui {

ProgramWide& Program() {
    static ProgramWide program;
    return program;
}

std::wstring ReadableTitle() {
    std::wstring title = Program().language.WideText(kTextWindowTitle);
    return title.empty() ? L"Mervik" : title;
}

} // namespace mervik::ui
