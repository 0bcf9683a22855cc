#pragma once
// Where the sections and keys of an IniDocument are: a hash table that keeps
// no names of its own. An entry is a scope (the section of a key) and a
// position; the document says how to read the name an entry stands for, and
// names compare as INI names do (ini::NamesEqual). Open addressing over one
// array, so a file of a million keys costs a few dozen bytes a key and no
// allocation per key.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "settings/IniText.h"

namespace mervik {

class IniNameIndex {
public:
    struct Entry {
        size_t scope;
        size_t position;
    };

    // The position of `name` in `scope`. `nameOf(entry)` reads a stored
    // entry's name.
    template <class NameOf>
    std::optional<size_t> Find(size_t scope, std::string_view name, const NameOf& nameOf) const {
        if (slots_.empty())
            return std::nullopt;
        const uint64_t hash = HashOf(scope, name);
        for (size_t i = hash & Mask();; i = (i + 1) & Mask()) {
            const Slot& slot = slots_[i];
            if (slot.hash == kEmpty)
                return std::nullopt;
            if (slot.hash == hash && slot.entry.scope == scope &&
                ini::NamesEqual(nameOf(slot.entry), name))
                return slot.entry.position;
        }
    }

    // Adds `name` at `position` unless `scope` already holds the name; true
    // when it was added.
    template <class NameOf>
    bool Insert(size_t scope, std::string_view name, size_t position, const NameOf& nameOf) {
        if (Find(scope, name, nameOf))
            return false;
        if (2 * (count_ + 1) > slots_.size())
            Grow();
        Place(Slot{HashOf(scope, name), Entry{scope, position}});
        ++count_;
        return true;
    }

private:
    static constexpr uint64_t kEmpty = 0;
    struct Slot {
        uint64_t hash = kEmpty;
        Entry entry{};
    };

    size_t Mask() const { return slots_.size() - 1; }
    static uint64_t HashOf(size_t scope, std::string_view name);
    void Place(const Slot& slot);
    void Grow();

    std::vector<Slot> slots_; // a power of two in size, at most half in use
    size_t count_ = 0;
};

} // namespace mervik
