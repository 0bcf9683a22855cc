#pragma once
// Replacing a whole file so that a crash or a full disk leaves either the old
// file or the new one, never a half-written mix.
#include <string>
#include <string_view>

namespace mervik {

// Writes `bytes` to a temporary file in the same folder, flushes it to the
// disk and renames it over `path`, creating the folder itself when it is missing (its parent must
// exist). False when anything fails; the old file is then left as it was.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace mervik
