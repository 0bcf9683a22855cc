#pragma once
// A fresh folder per test, removed with everything in it at the end.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "settings/FilePaths.h"

namespace mervik::testing {

class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        auto base = std::filesystem::temp_directory_path();
        do {
            path_ = base / ("mervik-settings-" + std::to_string(Stamp()) + "-" +
                            std::to_string(counter++));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder as the suite names folders: with a trailing separator.
    std::string Folder() const { return path_.string() + kPathSeparator; }
    std::string File(std::string_view name) const { return Folder() + std::string(name); }

    static void Write(const std::string& path, std::string_view bytes) {
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    static long long Stamp() {
        return static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    std::filesystem::path path_;
};

} // namespace mervik::testing
