#include "settings/IniNameIndex.h"

#include <utility>

namespace mervik {

uint64_t IniNameIndex::HashOf(size_t scope, std::string_view name) {
    const uint64_t hash = ini::NameHash(name) ^ (scope * 0x9E3779B97F4A7C15ull);
    return hash | 1; // never kEmpty
}

void IniNameIndex::Place(const Slot& slot) {
    size_t i = slot.hash & Mask();
    while (slots_[i].hash != kEmpty)
        i = (i + 1) & Mask();
    slots_[i] = slot;
}

void IniNameIndex::Grow() {
    std::vector<Slot> old =
        std::exchange(slots_, std::vector<Slot>(slots_.empty() ? 16 : 2 * slots_.size()));
    for (const Slot& slot : old)
        if (slot.hash != kEmpty)
            Place(slot);
}

} // namespace mervik
