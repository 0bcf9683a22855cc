#include "macros/MacroList.h"

#include <cstring>

#include "macros/MacroName.h"

namespace mervik {

int MacroList::Append(const MacroRecord& record) {
    if (Full())
        return -1;
    records_.push_back(std::make_unique<MacroRecord>(record));
    heldNames_.insert(MacroNameKey(TrimmedMacroName(record)));
    return Count() - 1;
}

bool MacroList::HasHeld(std::string_view name) const {
    return heldNames_.count(MacroNameKey(TrimmedMacroName(name))) > 0;
}

void MacroList::RememberNames() {
    for (const auto& record : records_)
        heldNames_.insert(MacroNameKey(TrimmedMacroName(*record)));
}

bool MacroList::RemoveAt(int index) {
    if (!InRange(index))
        return false;
    records_.erase(records_.begin() + index);
    return true;
}

MacroRecord* MacroList::RecordAt(int index) {
    return InRange(index) ? records_[index].get() : nullptr;
}

const MacroRecord* MacroList::RecordAt(int index) const {
    return InRange(index) ? records_[index].get() : nullptr;
}

void MacroList::KeepFileWhileUnchanged() {
    kept_.emplace();
    kept_->reserve(records_.size());
    for (const auto& record : records_)
        kept_->push_back(*record);
}

// Every byte counts: an editor changes records in place, and a step past the
// count is stored too.
bool MacroList::UnchangedSinceKept() const {
    if (!kept_ || kept_->size() != records_.size())
        return false;
    for (size_t i = 0; i < records_.size(); ++i)
        if (std::memcmp(&(*kept_)[i], records_[i].get(), sizeof(MacroRecord)) != 0)
            return false;
    return true;
}

} // namespace mervik
