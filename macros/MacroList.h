#pragma once
// The program's ordered list of macros. The position of a macro is its index,
// which menus and dialogs pass around; a removed macro closes the gap.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "macros/MacroRecord.h"

namespace mervik {

// Far more than anyone records by hand or a menu can show, and small enough
// that loading a file of this many stays quick. The macro file is read with the
// same bound, so a list that could be saved can always be loaded again.
constexpr int kMaxMacroCount = 10000;

class MacroList {
public:
    int Count() const { return static_cast<int>(records_.size()); }
    bool Empty() const { return records_.empty(); }

    bool Full() const { return Count() >= kMaxMacroCount; }

    // Appends a copy of `record` and returns its index; -1 when the list is full.
    int Append(const MacroRecord& record);

    // Removes the macro at `index`; false when there is none.
    bool RemoveAt(int index);

    void Clear() {
        records_.clear();
        kept_.reset();
        heldNames_.clear();
    }
    // Whether the list has held a macro of this name (SameMacroName) since
    // it was made or cleared: appended, or there at RememberNames. Editors
    // rename records in place, so a saver remembers the names first.
    bool HasHeld(std::string_view name) const;
    void RememberNames();

    // The list was loaded from a file that saving it would change behind the
    // user's back: one holding more macros than a list takes, or names that
    // loading made unique while the profile files still hold the old ones.
    // Until the list differs from what it holds now, its save leaves the
    // file as it is (SaveMacroList).
    void KeepFileWhileUnchanged();
    bool UnchangedSinceKept() const;

    // The macro at `index`, or null when the index is out of range. The
    // pointer stays valid until that macro is removed or the list cleared.
    MacroRecord* RecordAt(int index);
    const MacroRecord* RecordAt(int index) const;

private:
    bool InRange(int index) const { return index >= 0 && index < Count(); }

    // Each record has its own allocation so an editor holding one keeps it
    // across appends.
    std::vector<std::unique_ptr<MacroRecord>> records_;
    std::optional<std::vector<MacroRecord>> kept_;
    std::unordered_set<std::string> heldNames_; // MacroNameKey of each name held
};

} // namespace mervik
