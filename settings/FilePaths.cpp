#include "settings/FilePaths.h"

namespace mervik {

namespace {

constexpr std::string_view kConfigFileName = "config.ini";
constexpr std::string_view kProfileFolder = "config";
constexpr std::string_view kProfileFilePrefix = "Default";
constexpr std::string_view kProfileFileExtension = ".gmp";

#ifdef _WIN32
constexpr std::string_view kSeparators = "\\/";
#else
constexpr std::string_view kSeparators = "/";
#endif

} // namespace

std::string FolderOf(std::string_view path) {
    size_t last = path.find_last_of(kSeparators);
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string ConfigFilePath(const std::string& programFolder) {
    return programFolder + std::string(kConfigFileName);
}

std::string ProfileFilePath(const std::string& programFolder, int n) {
    std::string path = programFolder;
    path.append(kProfileFolder).append(1, kPathSeparator);
    path.append(kProfileFilePrefix).append(std::to_string(n)).append(kProfileFileExtension);
    return path;
}

} // namespace mervik
