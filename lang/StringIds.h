#pragma once
// Numbers of lan.dll's strings that the programs' code asks for by name.
// (The menus' and captions' numbers follow tables of their own.)

namespace mervik {

// Option: a skin that cannot make its window.
inline constexpr unsigned kStringSkinFailed = 1150;

} // namespace mervik
