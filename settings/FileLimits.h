#pragma once
// The largest files the suite reads. Each limit is far above anything the
// suite writes, so a file over it is damaged or not ours: it is refused like
// a file that cannot be read (FileStatus::Unreadable), so it is neither loaded
// nor ever written over, and it costs no more than its limit to look at.
#include <cstddef>

namespace mervik {

// config.ini holds a few short keys; a profile file with all 64 slots holds
// 64 structure values of 1010 characters and is about 65 KB; a skin INI is a
// few KB. 1 MB is fifteen times the largest of them.
constexpr size_t kMaxIniFileBytes = size_t{1} << 20;

// sequence.dat holding the most macros a list takes (kMaxMacroCount, 10000)
// is about 5.3 MB: a line of up to 529 bytes each. 8 MB is half as much
// again, and bounds the costliest file that is still read (a million
// distinct short keys) to about a third of a second and 150 MB of memory
// (bench/README.md); twice the limit would cost twice that.
constexpr size_t kMaxMacroFileBytes = size_t{8} << 20;

} // namespace mervik
