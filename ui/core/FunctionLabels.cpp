#include "ui/core/FunctionLabels.h"

#include "lang/TextIds.h"
#include "settings/FunctionCodes.h"

namespace mervik::ui {

namespace {

struct LabelEntry {
    uint8_t code;
    unsigned stringId;
};

// Codes whose label is one string of the language library.
constexpr LabelEntry kStringLabels[] = {
    {1, kTextLeftClick},
    {2, kTextRightClick},
    {3, kTextMiddleClick},
    {9, kTextBack},
    {10, kTextForward},
    {4, kTextDoubleClick},
    {66, kTextTripleClick},
    {7, kTextDisabled},
    {8, kTextBrowserHome},
    {11, kTextBrowserStop},
    {12, kTextBrowserRefresh},
    {13, kTextBrowserSearch},
    {14, kTextFavourites},
    {15, kTextEmail},
    {21, kTextMyComputer},
    {48, kTextMediaPlayer},
    {49, kTextPlayPause},
    {50, kTextStopPlayback},
    {51, kTextPreviousTrack},
    {52, kTextNextTrack},
    {54, kTextVolumeUp},
    {55, kTextVolumeDown},
    {56, kTextMute},
    {68, kTextCalculator},
    {20, kTextSwitchWindow},
    {22, kTextCloseWindow},
    {23, kTextMaximiseWindow},
    {24, kTextMinimiseWindow},
    {25, kTextShowDesktop},
    {32, kTextOpen},
    {33, kTextNew},
    {34, kTextCut},
    {35, kTextCopy},
    {36, kTextPaste},
    {37, kTextSave},
    {38, kTextPrint},
    {39, kTextFind},
    {40, kTextRedo},
    {41, kTextUndo},
    {44, kTextSelectAll},
    {80, kTextLockComputer},
    {81, kTextRunCommand},
    {16, kTextScrollUp},
    {17, kTextScrollDown},
    {18, kTextScrollLeft},
    {19, kTextScrollRight},
    {102, kTextDpiUp},
    {103, kTextDpiDown},
    {96, kTextDpiCycle},
    {104, kTextRateUp},
    {105, kTextRateDown},
    {112, kTextRateCycle},
    {84, kTextSwitchMode},
    {116, kTextModeShift},
    {42, kTextZoomIn},
    {43, kTextZoomOut},
    {64, kTextReservedFunction1},
    {65, kTextReservedFunction2},
    {69, kTextSpeedRepeat},
    {70, kTextSaveAs},
    {100, kTextCtrlE},
    {113, kTextDpiFunction4},
    {71, kTextDpiFunction4Value2},
};

} // namespace

FunctionLabel LabelOf(uint8_t code) {
    switch (code) {
    case fn::Key:
        return {LabelKind::KeyText, 0};
    case fn::Macro:
        return {LabelKind::MacroName, 0};
    case fn::Fire:
        return {LabelKind::FireText, 0};
    case fn::Program:
        return {LabelKind::FileName, 0};
    default:
        break;
    }
    for (const LabelEntry& e : kStringLabels) {
        if (e.code == code)
            return {LabelKind::String, e.stringId};
    }
    return {LabelKind::None, 0};
}

} // namespace mervik::ui
