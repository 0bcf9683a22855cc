#pragma once
// What loading found wrong in the files and what it did about it, one line a
// finding, for the programs' trace and for mervikctl. A note is no failure:
// loading goes on with what it could read or repair.
#include <string>
#include <utility>
#include <vector>

namespace mervik {

using LoadNotes = std::vector<std::string>;

// Adds `note` unless the caller wants none (`notes` is null).
inline void AddNote(LoadNotes* notes, std::string note) {
    if (notes)
        notes->push_back(std::move(note));
}

} // namespace mervik
