#include "device/ButtonCells.h"

#include "settings/FunctionCodes.h"

namespace mervik {

namespace {

struct CommandRow {
    uint8_t code;
    ButtonCell cell;
};

// Device command and parameters of each function code. Consumer usages go low
// byte first in bytes 2 and 3.
constexpr CommandRow kCommandTable[] = {
    {fn::Key, {0x00, 0, 0, 0}},
    {fn::Disabled, {0x00, 0, 0, 0}},
    {fn::LeftButton, {0x01, 0, 0xF0, 0}},
    {fn::RightButton, {0x01, 0, 0xF1, 0}},
    {fn::MiddleButton, {0x01, 0, 0xF2, 0}},
    {fn::SideButton1, {0x01, 0, 0xF3, 0}},
    {fn::SideButton2, {0x01, 0, 0xF4, 0}},
    {fn::MediaPlayer, {0x03, 0, 0x83, 0x01}},
    {fn::PreviousTrack, {0x03, 0, 0xB6, 0x00}},
    {fn::NextTrack, {0x03, 0, 0xB5, 0x00}},
    {fn::PlayPause, {0x03, 0, 0xCD, 0x00}},
    {fn::MediaStop, {0x03, 0, 0xB7, 0x00}},
    {fn::Mute, {0x03, 0, 0xE2, 0x00}},
    {fn::VolumeUp, {0x03, 0, 0xE9, 0x00}},
    {fn::VolumeDown, {0x03, 0, 0xEA, 0x00}},
    {fn::Calculator, {0x03, 0, 0x92, 0x01}},
    {fn::Email, {0x03, 0, 0x8A, 0x01}},
    {fn::BrowserFavorites, {0x03, 0, 0x2A, 0x02}},
    {fn::BrowserStop, {0x03, 0, 0x26, 0x02}},
    {fn::MyComputer, {0x03, 0, 0x94, 0x01}},
    {fn::BrowserRefresh, {0x03, 0, 0x27, 0x02}},
    {fn::BrowserHome, {0x03, 0, 0x23, 0x02}},
    {fn::BrowserSearch, {0x03, 0, 0x21, 0x02}},
    {fn::Group4Item1, {0x04, 0, 1, 0}},
    {fn::Group4Item2, {0x04, 0, 2, 0}},
    {fn::Group4Item3, {0x04, 0, 3, 0}},
    {fn::Group4Item4, {0x04, 0, 4, 0}},
    {fn::Group5Item1, {0x05, 0, 1, 0}},
    {fn::Group5Item2, {0x05, 0, 2, 0}},
    {fn::Group5Item3, {0x05, 0, 3, 0}},
    {fn::Program, {0x06, 0, 0, 0}},
    {fn::Group7Item1, {0x07, 0, 1, 0}},
    {fn::Group7Item2, {0x07, 0, 2, 0}},
    {fn::Group7Item3, {0x07, 0, 3, 0}},
    {fn::Group7Item4, {0x07, 0, 4, 0}},
    {fn::Group7Item4Value2, {0x07, 0, 4, 2}},
    {fn::Group8Item2, {0x08, 0, 2, 0}},
    {fn::Group8Item3, {0x08, 0, 3, 0}},
    {fn::Macro, {0x09, 0, 0, 0}},
    {fn::SwitchWindow, {0x09, 0, 0, 4}},
    {fn::CloseWindow, {0x09, 0, 0, 4}},
    {fn::Open, {0x09, 0, 0, 4}},
    {fn::New, {0x09, 0, 0, 4}},
    {fn::Cut, {0x09, 0, 0, 4}},
    {fn::Copy, {0x09, 0, 0, 4}},
    {fn::Paste, {0x09, 0, 0, 4}},
    {fn::Save, {0x09, 0, 0, 4}},
    {fn::Print, {0x09, 0, 0, 4}},
    {fn::Find, {0x09, 0, 0, 4}},
    {fn::Redo, {0x09, 0, 0, 4}},
    {fn::Undo, {0x09, 0, 0, 4}},
    {fn::SelectAll, {0x09, 0, 0, 4}},
    {fn::RunDialog, {0x09, 0, 0, 4}},
    {fn::LockComputer, {0x09, 0, 0, 4}},
    {fn::ShowDesktop, {0x09, 0, 0, 4}},
    {fn::Explorer, {0x09, 0, 0, 4}},
    {fn::MaximiseWindow, {0x09, 0, 0, 6}},
    {fn::MinimiseWindow, {0x09, 0, 0, 6}},
    {fn::SaveAs, {0x09, 0, 0, 6}},
    {fn::DoubleClick, {0x0A, 0xF0, 0x32, 2}},
    {fn::TripleClick, {0x0A, 0xF0, 0x32, 3}},
    {fn::Fire, {0x0A, 0, 0, 0}},
    {fn::Repeat, {0x0A, 0, 10, 10}},
};

uint8_t LowByte(int32_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

ButtonCell TableCell(uint8_t code) {
    for (const CommandRow& row : kCommandTable)
        if (row.code == code)
            return row.cell;
    return {};
}

// Fire sends half the interval; intervals of 4 and below send the mouse's minimum.
uint8_t FireIntervalParam(int32_t interval) {
    constexpr int32_t kShortestInterval = 4;
    constexpr uint8_t kMinimumParam = 2;
    return interval > kShortestInterval ? LowByte(interval / 2) : kMinimumParam;
}

void ApplyCodeRule(ButtonCell& cell, const ButtonAssignment& slot, int slotIndex,
                   int32_t otgSpeed) {
    switch (slot.Function) {
    case fn::Key:
        cell[1] = static_cast<uint8_t>(slot.KeyModifiers() >> 1);
        cell[2] = slot.KeyUsage();
        cell[3] = 0;
        break;
    case fn::Macro:
        cell[1] = LowByte(slot.RunMode);
        cell[3] = LowByte(slot.EventCount);
        break;
    case fn::Fire:
        cell[1] = slot.KeyUsage();
        cell[2] = FireIntervalParam(slot.FireInterval);
        cell[3] = LowByte(slot.FireCount);
        break;
    case fn::Repeat:
        cell[2] = cell[3] = LowByte(otgSpeed / 2);
        break;
    case fn::Program:
        cell[3] = static_cast<uint8_t>(slotIndex + 1);
        break;
    default:
        break;
    }
}

} // namespace

ButtonCell CellFor(const ButtonAssignment& slot, int slotIndex, int32_t otgSpeed) {
    ButtonCell cell = TableCell(slot.Function);
    ApplyCodeRule(cell, slot, slotIndex, otgSpeed);
    return cell;
}

bool PlaysSequence(const ButtonCell& cell) {
    return cell[0] == wire::kCellPlaySequence;
}

} // namespace mervik
