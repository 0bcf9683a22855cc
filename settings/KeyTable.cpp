#include "settings/KeyTable.h"

#include <array>

namespace mervik {

namespace {

// Searched in this order, first match wins in both directions.
// clang-format off
constexpr KeyPair kKeyPairs[] = {
    // Letters A..Z.
    {65, 4}, {66, 5}, {67, 6}, {68, 7}, {69, 8}, {70, 9}, {71, 10}, {72, 11}, {73, 12},
    {74, 13}, {75, 14}, {76, 15}, {77, 16}, {78, 17}, {79, 18}, {80, 19}, {81, 20}, {82, 21},
    {83, 22}, {84, 23}, {85, 24}, {86, 25}, {87, 26}, {88, 27}, {89, 28}, {90, 29},
    // Digits 1..9, then 0.
    {49, 30}, {50, 31}, {51, 32}, {52, 33}, {53, 34}, {54, 35}, {55, 36}, {56, 37}, {57, 38},
    {48, 39},
    // Enter, Esc, Backspace, Tab, Space.
    {13, 40}, {27, 41}, {8, 42}, {9, 43}, {32, 44},
    // - = [ ] \ and ; ' ` , . /
    {189, 45}, {187, 46}, {219, 47}, {221, 48}, {220, 49},
    {186, 51}, {222, 52}, {192, 53}, {188, 54}, {190, 55}, {191, 56},
    // Caps Lock, F1..F12.
    {20, 57},
    {112, 58}, {113, 59}, {114, 60}, {115, 61}, {116, 62}, {117, 63}, {118, 64}, {119, 65},
    {120, 66}, {121, 67}, {122, 68}, {123, 69},
    // Print Screen, Scroll Lock, Pause; Insert, Home, Page Up, Delete, End, Page Down.
    {44, 70}, {145, 71}, {19, 72},
    {45, 73}, {36, 74}, {33, 75}, {46, 76}, {35, 77}, {34, 78},
    // Right, Left, Down, Up.
    {39, 79}, {37, 80}, {40, 81}, {38, 82},
    // Num Lock, keypad / * - +, and the keypad separator, stored as keypad Enter.
    {144, 83}, {111, 84}, {106, 85}, {109, 86}, {107, 87}, {108, 88},
    // Keypad 1..9 (7 and 6 stand in this order), 0 and the decimal point.
    {97, 89}, {98, 90}, {99, 91}, {100, 92}, {101, 93}, {103, 95}, {102, 94}, {104, 96},
    {105, 97}, {96, 98}, {110, 99},
    // Application key.
    {93, 101},
    // Left and right Ctrl, Shift, Alt, Windows.
    {162, 224}, {160, 225}, {164, 226}, {91, 227},
    {163, 228}, {161, 229}, {165, 230}, {92, 231},
    // The mouse buttons are the suite's own codes and map to themselves.
    {240, 240}, {241, 241}, {242, 242}, {243, 243}, {244, 244},
};
// clang-format on
static_assert(std::size(kKeyPairs) == kKeyPairCount);

constexpr int kVirtualKeyCount = 256;
using NameTable = std::array<std::string_view, kVirtualKeyCount>;

struct NamedKey {
    uint8_t virtualKey;
    std::string_view name;
};

// clang-format off
constexpr NamedKey kOtherNames[] = {
    {8, "BkSpac"},   {9, "Tab"},      {13, "Enter"},   {19, "Pause"},   {20, "CapsLk"},
    {27, "Esc"},     {32, "Space"},   {33, "PgUp"},    {34, "PgDn"},    {35, "End"},
    {36, "Home"},    {37, "Left"},    {38, "Up"},      {39, "Right"},   {40, "Down"},
    {41, "Select"},  {43, "Execute"}, {44, "PrtSc"},   {45, "Insert"},  {46, "Delete"},
    {47, "Help"},    {91, "L_WIN"},   {92, "R_WIN"},   {93, "APP"},
    {106, "Num_*"},  {107, "Num_+"},  {108, "Num_ "},  {109, "Num_-"},  {110, "Num_."},
    {111, "Num_/"},  {144, "NmLk"},   {145, "ScrLk"},
    {160, "L_Shift"}, {161, "R_Shift"}, {162, "L_Ctrl"}, {163, "R_Ctrl"},
    {164, "L_Alt"},   {165, "R_Alt"},
    {186, ";"}, {187, "="}, {188, ","}, {189, "-"}, {190, "."}, {191, "/"}, {192, "`"},
    {219, "["}, {220, "\\"}, {221, "]"}, {222, "'"},
    {240, "Left Button"}, {241, "Right Button"}, {242, "Wheel"},
    {243, "Side Button 1"}, {244, "Side Button 2"},
};
// clang-format on

constexpr std::string_view kLetterNames = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kDigitNames = "0123456789";
constexpr std::string_view kFunctionKeyNames[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                                  "F7", "F8", "F9", "F10", "F11", "F12"};
constexpr std::string_view kKeypadDigitNames[] = {"Num_0", "Num_1", "Num_2", "Num_3", "Num_4",
                                                  "Num_5", "Num_6", "Num_7", "Num_8", "Num_9"};

constexpr NameTable BuildNames() {
    NameTable names{};
    for (size_t i = 0; i < kLetterNames.size(); ++i)
        names['A' + i] = kLetterNames.substr(i, 1);
    for (size_t i = 0; i < kDigitNames.size(); ++i)
        names['0' + i] = kDigitNames.substr(i, 1);
    for (size_t i = 0; i < std::size(kFunctionKeyNames); ++i)
        names[112 + i] = kFunctionKeyNames[i];
    for (size_t i = 0; i < std::size(kKeypadDigitNames); ++i)
        names[96 + i] = kKeypadDigitNames[i];
    for (const NamedKey& k : kOtherNames)
        names[k.virtualKey] = k.name;
    return names;
}

constexpr NameTable kNames = BuildNames();

} // namespace

std::span<const KeyPair> KeyPairs() {
    return kKeyPairs;
}

bool UsageOfKey(int virtualKey, uint8_t& usage) {
    for (const KeyPair& p : kKeyPairs) {
        if (p.virtualKey == virtualKey) {
            usage = p.usage;
            return true;
        }
    }
    return false;
}

bool KeyOfUsage(int usage, int& virtualKey) {
    for (const KeyPair& p : kKeyPairs) {
        if (p.usage == usage) {
            virtualKey = p.virtualKey;
            return true;
        }
    }
    return false;
}

std::string_view KeyName(int virtualKey) {
    if (virtualKey < 0 || virtualKey >= kVirtualKeyCount)
        return {};
    return kNames[virtualKey];
}

std::string_view KeyNameOfUsage(int usage) {
    int virtualKey = 0;
    return KeyOfUsage(usage, virtualKey) ? KeyName(virtualKey) : std::string_view{};
}

} // namespace mervik
