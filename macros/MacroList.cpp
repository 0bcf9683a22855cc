#include "macros/MacroList.h"

namespace mervik {

int MacroList::Append(const MacroRecord& record) {
    if (Full())
        return -1;
    records_.push_back(std::make_unique<MacroRecord>(record));
    return Count() - 1;
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

} // namespace mervik
