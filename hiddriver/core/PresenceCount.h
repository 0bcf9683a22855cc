#pragma once
// Whether the mouse is there, from the arrival and removal notices of its
// collections: a mouse with several collections arrives with its first and
// leaves with its last, so it gives one arrival and one removal, not one a
// collection. Paths compare without regard to case, as the system's do.
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace mervik::hid {

// Whether a device interface path names this vendor and product
// ("...vid_1017&pid_8003..." in any case).
bool PathNamesDevice(const std::string& path, uint16_t vendorId, uint16_t productId);

class PresenceCount {
public:
    PresenceCount(uint16_t vendorId, uint16_t productId)
        : vendorId_(vendorId), productId_(productId) {}

    // The collections present when watching starts.
    void Reset(const std::vector<std::string>& paths);

    // The mouse's new presence when the notice changes it; nothing otherwise
    // (another device, a second collection, a repeated notice).
    std::optional<bool> Arrived(const std::string& path);
    std::optional<bool> Removed(const std::string& path);

    bool Present() const { return !present_.empty(); }

private:
    std::optional<bool> Changed(bool wasPresent) const;

    uint16_t vendorId_;
    uint16_t productId_;
    std::set<std::string> present_; // lower-case paths
};

} // namespace mervik::hid
