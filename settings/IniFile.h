#pragma once
// One INI file, value by value, as the platform's private-profile functions
// offer it: every read reads the file afresh, every write replaces the whole
// file at once (temporary file and rename), so two programs sharing a file
// each see the other's latest write. Reading and editing rules are those of
// IniDocument. To read or write many values, use an IniDocument with
// ReadWholeFile and WriteFileAtomically instead: one read and one write.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "settings/IniDocument.h"

namespace mervik {

// Reads the file (a missing one as empty), lets `edit` change it and writes it
// back whole when the bytes changed, all under the save lock. False when the
// lock cannot be had, when the file exists but cannot be read or is refused as
// far too large (it is then left alone), or cannot be written.
bool EditIniFile(const std::string& path, const std::function<void(IniDocument&)>& edit);

class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    // A missing or unreadable file, or one refused as far too large
    // (FileLimits.h), reads as an empty one.
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
    int32_t ReadInt(std::string_view section, std::string_view key, int32_t fallback) const;
    bool ReadStruct(std::string_view section, std::string_view key, void* buffer,
                    size_t size) const;

    // False when the file could not be written, or exists but could not be
    // read or is refused as far too large (it is then left alone rather than
    // replaced by this one value).
    bool WriteText(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int32_t value);
    bool WriteStruct(std::string_view section, std::string_view key, const void* data, size_t size);

private:
    std::string path_;
};

} // namespace mervik
