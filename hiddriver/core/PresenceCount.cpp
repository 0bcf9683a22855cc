#include "hiddriver/core/PresenceCount.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace mervik::hid {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

bool PathNamesDevice(const std::string& path, uint16_t vendorId, uint16_t productId) {
    char pattern[32];
    std::snprintf(pattern, sizeof pattern, "vid_%04x&pid_%04x", vendorId, productId);
    return Lower(path).find(pattern) != std::string::npos;
}

void PresenceCount::Reset(const std::vector<std::string>& paths) {
    present_.clear();
    for (const std::string& path : paths)
        if (PathNamesDevice(path, vendorId_, productId_))
            present_.insert(Lower(path));
}

std::optional<bool> PresenceCount::Changed(bool wasPresent) const {
    if (wasPresent == Present())
        return std::nullopt;
    return Present();
}

std::optional<bool> PresenceCount::Arrived(const std::string& path) {
    if (!PathNamesDevice(path, vendorId_, productId_))
        return std::nullopt;
    const bool wasPresent = Present();
    present_.insert(Lower(path));
    return Changed(wasPresent);
}

std::optional<bool> PresenceCount::Removed(const std::string& path) {
    const bool wasPresent = Present();
    present_.erase(Lower(path));
    return Changed(wasPresent);
}

} // namespace mervik::hid
