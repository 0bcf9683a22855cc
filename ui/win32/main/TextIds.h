#pragma once
// Option's own texts in lan.dll, by number (lang/lan.rc).

namespace mervik::ui {

inline constexpr unsigned kTextSettingsNotSaved = 1145; // a profile or config.ini write failed
inline constexpr unsigned kTextBlockNotWritten = 1146;  // Monitor's block refused the copy
inline constexpr unsigned kTextMacrosNotSaved = 1147;   // sequence.dat could not be written
inline constexpr unsigned kTextBlockNotOpened = 1148;   // Monitor's block could not be mapped
inline constexpr unsigned kTextSkinFailed = 1149;       // a skin cannot make its window

// The profile strip.
inline constexpr unsigned kTextLinkProgram = 1170;       // link button, no program linked
inline constexpr unsigned kTextClearLink = 1171;         // unlink button
inline constexpr unsigned kTextChooseProgram = 1172;     // file chooser title
inline constexpr unsigned kTextProgramFilter = 1173;     // file chooser filter name
inline constexpr unsigned kTextNameEmpty = 1174;         // rename refused: empty or blank
inline constexpr unsigned kTextNameTooLong = 1175;       // rename refused: over the field
inline constexpr unsigned kTextNameLineBreak = 1176;     // rename refused: control character
inline constexpr unsigned kTextPathTooLong = 1177;       // link refused: over the field
inline constexpr unsigned kTextPathNotInCodePage = 1178; // link refused: not ANSI
inline constexpr unsigned kTextPathNoProgram = 1179;     // link refused: other faults

} // namespace mervik::ui
