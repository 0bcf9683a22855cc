#include "hiddriver/core/CollectionChoice.h"

namespace mervik::hid {

namespace {

constexpr CollectionUse kUses[] = {CollectionUse::Features, CollectionUse::Output,
                                   CollectionUse::Events};

// The bytes a report carries behind its id.
size_t Body(uint16_t length) {
    return length > 0 ? length - 1u : 0u;
}

std::string TooShort(const char* report, uint16_t length, size_t needed) {
    return report + std::string(" report of ") + std::to_string(Body(length)) + " bytes, " +
           std::to_string(needed) + " needed";
}

// Why `c` cannot carry `use`; empty when it can.
std::string Unfit(const HidCollection& c, CollectionUse use) {
    switch (use) {
    case CollectionUse::Features:
        if (c.featureLength == 0)
            return "no feature report";
        if (Body(c.featureLength) < kFeatureBytes)
            return TooShort("feature", c.featureLength, kFeatureBytes);
        return {};
    case CollectionUse::Output:
        if (c.outputLength == 0)
            return "no output report";
        if (Body(c.outputLength) < kLongestOutputBlock)
            return TooShort("output", c.outputLength, kLongestOutputBlock);
        if (!c.opensReadWrite)
            return "does not open for writing (the system holds it)";
        return {};
    case CollectionUse::Events:
        if (c.inputLength == 0)
            return "no input report";
        if (c.usagePage == kUsagePageGenericDesktop)
            return "the system reads its input itself (Generic Desktop page)";
        if (Body(c.inputLength) < kEventBytes)
            return TooShort("input", c.inputLength, kEventBytes);
        if (!c.opensReadWrite)
            return "does not open for reading (the system holds it)";
        return {};
    }
    return {};
}

std::optional<size_t>& Slot(CollectionChoice& choice, CollectionUse use) {
    switch (use) {
    case CollectionUse::Features:
        return choice.features;
    case CollectionUse::Output:
        return choice.output;
    default:
        return choice.events;
    }
}

} // namespace

const char* UseName(CollectionUse use) {
    switch (use) {
    case CollectionUse::Features:
        return "features";
    case CollectionUse::Output:
        return "output";
    default:
        return "events";
    }
}

std::optional<size_t> CollectionChoice::For(CollectionUse use) const {
    return Slot(const_cast<CollectionChoice&>(*this), use);
}

CollectionChoice ChooseCollections(std::span<const HidCollection> collections) {
    CollectionChoice choice;
    for (CollectionUse use : kUses) {
        std::optional<size_t>& chosen = Slot(choice, use);
        if (use == CollectionUse::Events && choice.output &&
            Unfit(collections[*choice.output], use).empty())
            chosen = choice.output;
        for (size_t i = 0; i < collections.size(); ++i) {
            if (chosen == i)
                continue;
            std::string reason = Unfit(collections[i], use);
            if (reason.empty() && !chosen) {
                chosen = i;
                continue;
            }
            if (reason.empty())
                reason = "another collection carries them";
            choice.refusals.push_back({i, use, std::move(reason)});
        }
    }
    return choice;
}

} // namespace mervik::hid
