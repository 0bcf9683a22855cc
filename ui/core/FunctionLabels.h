#pragma once
// How Option captions each function code: one text of the language library,
// or a caption made from the slot's own data.
#include <cstdint>

namespace mervik::ui {

enum class LabelKind {
    None,      // empty label
    String,    // a string of the language library
    KeyText,   // modifier prefixes and key name
    MacroName, // the slot's macro name
    FireText,  // kTextRapidFire + " + " + key name
    FileName,  // file name and extension of ProgramPath
};

struct FunctionLabel {
    LabelKind kind;
    unsigned stringId; // for LabelKind::String
};

// The label rule of a code; codes the mouse does not know have none, and
// their caption says their number (FunctionCaption).
FunctionLabel LabelOf(uint8_t code);

} // namespace mervik::ui
