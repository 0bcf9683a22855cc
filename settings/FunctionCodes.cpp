#include "settings/FunctionCodes.h"

namespace mervik::fn {

namespace {

struct LabelEntry {
    uint8_t code;
    int stringId;
};

// Codes whose label is one string of the language library.
constexpr LabelEntry kStringLabels[] = {
    {1, 1003},   {2, 1005},   {3, 1004},   {9, 1008},  {10, 1009},  {4, 1052},   {66, 1053},
    {7, 1058},   {8, 1007},   {11, 1010},  {12, 1011}, {13, 1012},  {14, 1013},  {15, 1014},
    {21, 1021},  {48, 1041},  {49, 1045},  {50, 1044}, {51, 1042},  {52, 1043},  {54, 1047},
    {55, 1048},  {56, 1046},  {68, 1078},  {20, 1020}, {22, 1022},  {23, 1023},  {24, 1024},
    {25, 1025},  {32, 1027},  {33, 1028},  {34, 1029}, {35, 1030},  {36, 1031},  {37, 1032},
    {38, 1033},  {39, 1034},  {40, 1035},  {41, 1036}, {44, 1039},  {80, 1056},  {81, 1057},
    {16, 1016},  {17, 1017},  {18, 1018},  {19, 1019}, {102, 1105}, {103, 1106}, {96, 1104},
    {104, 1109}, {105, 1110}, {112, 1108}, {84, 1059}, {116, 1142}, {42, 1037},  {43, 1038},
    {64, 1050},  {65, 1051},
};

} // namespace

FunctionLabel LabelOf(uint8_t code) {
    switch (code) {
    case Key:
        return {LabelKind::KeyText, 0};
    case Macro:
        return {LabelKind::MacroName, 0};
    case Fire:
        return {LabelKind::FireText, 0};
    case Program:
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

} // namespace mervik::fn
