#pragma once
// The program's ordered list of macros. The position of a macro is its index,
// which menus and dialogs pass around; a removed macro closes the gap.
#include <memory>
#include <vector>

#include "macros/MacroRecord.h"

namespace mervik {

class MacroList {
public:
    int Count() const { return static_cast<int>(records_.size()); }
    bool Empty() const { return records_.empty(); }

    // Appends a copy of `record` and returns its index.
    int Append(const MacroRecord& record);

    // Removes the macro at `index`; false when there is none.
    bool RemoveAt(int index);

    void Clear() { records_.clear(); }

    // The macro at `index`, or null when the index is out of range. The
    // pointer stays valid until that macro is removed or the list cleared.
    MacroRecord* RecordAt(int index);
    const MacroRecord* RecordAt(int index) const;

private:
    bool InRange(int index) const { return index >= 0 && index < Count(); }

    // Each record has its own allocation so an editor holding one keeps it
    // across appends.
    std::vector<std::unique_ptr<MacroRecord>> records_;
};

} // namespace mervik
