#pragma once
// Function codes a button slot can carry (the Function byte of a
// ButtonAssignment). The mouse carries out each of them itself; how each is
// sent to it lives with the report encoder, how Option captions it in
// ui/core/FunctionLabels.
#include <cstdint>

namespace mervik::fn {

// Mouse buttons.
constexpr uint8_t LeftButton = 1;
constexpr uint8_t RightButton = 2;
constexpr uint8_t MiddleButton = 3;
constexpr uint8_t DoubleClick = 4;
constexpr uint8_t SideButton1 = 9;  // mouse code 243
constexpr uint8_t SideButton2 = 10; // mouse code 244
constexpr uint8_t TripleClick = 66;

// Codes that take their data from the slot.
constexpr uint8_t Key = 5;
constexpr uint8_t Macro = 6;
constexpr uint8_t Disabled = 7;
constexpr uint8_t Fire = 67;
constexpr uint8_t Repeat = 69; // the mouse's repeat function, speed from OTGSpeed
constexpr uint8_t Program = 99;

// Consumer keys.
constexpr uint8_t BrowserHome = 8;
constexpr uint8_t BrowserStop = 11;
constexpr uint8_t BrowserRefresh = 12;
constexpr uint8_t BrowserSearch = 13;
constexpr uint8_t BrowserFavorites = 14;
constexpr uint8_t Email = 15;
constexpr uint8_t MyComputer = 21;
constexpr uint8_t MediaPlayer = 48;
constexpr uint8_t PlayPause = 49;
constexpr uint8_t MediaStop = 50;
constexpr uint8_t PreviousTrack = 51;
constexpr uint8_t NextTrack = 52;
constexpr uint8_t VolumeUp = 54;
constexpr uint8_t VolumeDown = 55;
constexpr uint8_t Mute = 56;
constexpr uint8_t Calculator = 68;

// Key chords.
constexpr uint8_t SwitchWindow = 20;
constexpr uint8_t CloseWindow = 22;
constexpr uint8_t MaximiseWindow = 23;
constexpr uint8_t MinimiseWindow = 24;
constexpr uint8_t ShowDesktop = 25;
constexpr uint8_t Open = 32;
constexpr uint8_t New = 33;
constexpr uint8_t Cut = 34;
constexpr uint8_t Copy = 35;
constexpr uint8_t Paste = 36;
constexpr uint8_t Save = 37;
constexpr uint8_t Print = 38;
constexpr uint8_t Find = 39;
constexpr uint8_t Redo = 40;
constexpr uint8_t Undo = 41;
constexpr uint8_t SelectAll = 44;
constexpr uint8_t SaveAs = 70;
constexpr uint8_t LockComputer = 80;
constexpr uint8_t RunDialog = 81;
constexpr uint8_t Explorer = 100;

// Functions of the mouse itself (device group and item).
constexpr uint8_t Group4Item1 = 16;
constexpr uint8_t Group4Item2 = 17;
constexpr uint8_t Group4Item3 = 18;
constexpr uint8_t Group4Item4 = 19;
constexpr uint8_t Group7Item1 = 102;
constexpr uint8_t Group7Item2 = 103;
constexpr uint8_t Group7Item3 = 96;
constexpr uint8_t Group7Item4 = 113;
constexpr uint8_t Group7Item4Value2 = 71;
constexpr uint8_t Group5Item1 = 104;
constexpr uint8_t Group5Item2 = 105;
constexpr uint8_t Group5Item3 = 112;
constexpr uint8_t Group8Item2 = 84;
constexpr uint8_t Group8Item3 = 116;

// Labelled, but without a device action.
constexpr uint8_t Unbound42 = 42;
constexpr uint8_t Unbound43 = 43;
constexpr uint8_t Unbound64 = 64;
constexpr uint8_t Unbound65 = 65;

// Default codes of slots 0..15; slot n takes the default of slot n mod 16.
constexpr uint8_t kDefaultFunctions[16] = {1,   2,  3, 10, 9, 96, 103, 71,
                                           112, 15, 8, 68, 7, 7,  16,  17};

constexpr uint8_t DefaultFunction(int slot) {
    return kDefaultFunctions[slot & 15];
}

// Every code above: a slot holding any other is damaged.
constexpr uint8_t kFunctionCodes[] = {
    LeftButton,
    RightButton,
    MiddleButton,
    DoubleClick,
    SideButton1,
    SideButton2,
    TripleClick,
    Key,
    Macro,
    Disabled,
    Fire,
    Repeat,
    Program,
    BrowserHome,
    BrowserStop,
    BrowserRefresh,
    BrowserSearch,
    BrowserFavorites,
    Email,
    MyComputer,
    MediaPlayer,
    PlayPause,
    MediaStop,
    PreviousTrack,
    NextTrack,
    VolumeUp,
    VolumeDown,
    Mute,
    Calculator,
    SwitchWindow,
    CloseWindow,
    MaximiseWindow,
    MinimiseWindow,
    ShowDesktop,
    Open,
    New,
    Cut,
    Copy,
    Paste,
    Save,
    Print,
    Find,
    Redo,
    Undo,
    SelectAll,
    SaveAs,
    LockComputer,
    RunDialog,
    Explorer,
    Group4Item1,
    Group4Item2,
    Group4Item3,
    Group4Item4,
    Group7Item1,
    Group7Item2,
    Group7Item3,
    Group7Item4,
    Group7Item4Value2,
    Group5Item1,
    Group5Item2,
    Group5Item3,
    Group8Item2,
    Group8Item3,
    Unbound42,
    Unbound43,
    Unbound64,
    Unbound65,
};

constexpr bool IsFunctionCode(uint8_t code) {
    for (uint8_t known : kFunctionCodes)
        if (known == code)
            return true;
    return false;
}

} // namespace mervik::fn
