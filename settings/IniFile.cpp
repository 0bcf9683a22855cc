#include "settings/IniFile.h"

#include "settings/AtomicFileWrite.h"
#include "settings/FileAccess.h"
#include "settings/FileSystem.h"

namespace mervik {

namespace {

IniDocument Load(const std::string& path) {
    return IniDocument(ReadWholeFile(path).bytes);
}

} // namespace

std::string IniFile::ReadText(std::string_view section, std::string_view key,
                              std::string_view fallback) const {
    return Load(path_).ReadText(section, key, fallback);
}

int32_t IniFile::ReadInt(std::string_view section, std::string_view key, int32_t fallback) const {
    return Load(path_).ReadInt(section, key, fallback);
}

bool IniFile::ReadStruct(std::string_view section, std::string_view key, void* buffer,
                         size_t size) const {
    return Load(path_).ReadStruct(section, key, buffer, size);
}

// A write that changes nothing leaves the file untouched, as the platform does.
bool EditIniFile(const std::string& path, const std::function<void(IniDocument&)>& edit) {
    fs::SaveLock lock;
    if (!lock.Held())
        return false;
    FileContent content = ReadWholeFile(path);
    if (content.status == FileStatus::Unreadable)
        return false;
    IniDocument document(content.bytes);
    edit(document);
    std::string bytes = document.Bytes();
    if (content.status == FileStatus::Ok && bytes == content.bytes)
        return true;
    return WriteFileAtomically(path, bytes);
}

bool IniFile::WriteText(std::string_view section, std::string_view key, std::string_view value) {
    return EditIniFile(path_, [&](IniDocument& d) { d.WriteText(section, key, value); });
}

bool IniFile::WriteInt(std::string_view section, std::string_view key, int32_t value) {
    return EditIniFile(path_, [&](IniDocument& d) { d.WriteInt(section, key, value); });
}

bool IniFile::WriteStruct(std::string_view section, std::string_view key, const void* data,
                          size_t size) {
    return EditIniFile(path_, [&](IniDocument& d) { d.WriteStruct(section, key, data, size); });
}

} // namespace mervik
