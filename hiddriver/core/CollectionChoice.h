#pragma once
// Which of the mouse's collections the library uses for what, and why it
// leaves each of the others alone:
//  - feature reports (8 bytes): the first collection whose feature report
//    holds them; they need no access rights, so a collection the system holds
//    does too;
//  - output blocks (up to 32 bytes): the first collection whose output report
//    holds them and that opens for writing;
//  - events: input reports of 4 bytes or more from a collection that opens for
//    reading and is not one the system reads itself (the pointer, on the
//    Generic Desktop page); the output collection when it qualifies, since a
//    mouse answers where it is written to, else the first that does.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "hiddriver/core/DeviceEventReport.h"
#include "hiddriver/core/HidCollection.h"

namespace mervik::hid {

inline constexpr size_t kFeatureBytes = 8;
inline constexpr size_t kLongestOutputBlock = 32;

enum class CollectionUse { Features, Output, Events };

const char* UseName(CollectionUse use);

struct CollectionRefusal {
    size_t collection;
    CollectionUse use;
    std::string reason;
};

struct CollectionChoice {
    std::optional<size_t> features;
    std::optional<size_t> output;
    std::optional<size_t> events;
    std::vector<CollectionRefusal> refusals;

    std::optional<size_t> For(CollectionUse use) const;
};

CollectionChoice ChooseCollections(std::span<const HidCollection> collections);

} // namespace mervik::hid
