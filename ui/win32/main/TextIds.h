#pragma once
// Option's own texts in lan.dll, by number (lang/lan.rc).

namespace mervik::ui {

inline constexpr unsigned kTextSettingsNotSaved = 1145; // a profile or config.ini write failed
inline constexpr unsigned kTextBlockNotWritten = 1146;  // Monitor's block refused the copy
inline constexpr unsigned kTextMacrosNotSaved = 1147;   // sequence.dat could not be written
inline constexpr unsigned kTextBlockNotOpened = 1148;   // Monitor's block could not be mapped
inline constexpr unsigned kTextSkinFailed = 1149;       // a skin cannot make its window

} // namespace mervik::ui
